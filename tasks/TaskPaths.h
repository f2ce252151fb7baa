#pragma once

#include <string>
#include <vector>

// What the program accepts as input, and how the open dialog offers it.

// The supported input extensions, in their fixed order (".avi" ... ".asf").
const std::vector<std::string>& SupportedExtensions();

// True when the lower-cased extension (A to Z only) is a supported one.
bool IsSupportedVideo(const std::string& path);

// "*.avi;*.mpg;...;*.asf;" with the final ";".
std::string InputMask();

// The open dialog's filter, "description|pattern|..." in the Windows form.
std::string OpenDialogFilter();
