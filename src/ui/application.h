#pragma once

#include <QApplication>

// The application object. Handlers catch their own errors; this is the last net, so that an
// exception can never unwind through the event loop.
class Application final : public QApplication {
    Q_OBJECT
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override;
};
