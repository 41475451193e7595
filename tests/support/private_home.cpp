// Built into every test program: the user's configuration and data folders are fresh temporary
// folders of this run, so that no test reads what the planner kept for a user or for another run.
// A test that needs folders of its own sets the variables again.
#include <QByteArray>
#include <QDir>
#include <QtGlobal>
#include <cstdlib>

namespace {

class PrivateHome {
public:
    PrivateHome()
    {
        QByteArray pattern = QDir::tempPath().toLocal8Bit() + "/runeplan-test-home-XXXXXX";
        if (char *made = mkdtemp(pattern.data())) {
            folder_ = QString::fromLocal8Bit(made);
            qputenv("XDG_CONFIG_HOME", (folder_ + QStringLiteral("/config")).toLocal8Bit());
            qputenv("XDG_DATA_HOME", (folder_ + QStringLiteral("/data")).toLocal8Bit());
        }
    }
    ~PrivateHome()
    {
        if (!folder_.isEmpty())
            QDir(folder_).removeRecursively();
    }
    PrivateHome(const PrivateHome &) = delete;
    PrivateHome &operator=(const PrivateHome &) = delete;

private:
    QString folder_;
};

const PrivateHome privateHome;

} // namespace
