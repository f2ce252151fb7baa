#pragma once

class QWidget;
class TMainForm;

// Creates the welcome panel `panbg` over the task list, at its fixed place
// in `panMain`, with the program name, the three steps, the picture and the
// maker's link. The texts that change at start-up are set by the main window.
void BuildWelcomePanel(TMainForm& form, QWidget* panMain);
