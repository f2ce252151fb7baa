#pragma once

class TMainForm;

// Creates the main window's tool bar and its buttons, in their groups, with
// their hints and their enabled states at creation.
void BuildToolbar(TMainForm& form);
