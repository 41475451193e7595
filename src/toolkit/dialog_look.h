#pragma once

#include <QPalette>

class QWidget;

// The look of the planner's dialogs (message boxes, questions, file dialogs, the summary and the
// library): the window's dark ground with its green text, so that a dialog over the board does not
// flash light. Only dialogs take it: the window sets its own look control by control, and the
// application's palette stays Qt's, which keeps the window's pixels as they are.
QPalette darkDialogPalette();

// Gives `dialog` and its children the dark palette; called once its children are made.
void applyDialogLook(QWidget *dialog);
