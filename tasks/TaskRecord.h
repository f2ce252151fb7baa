#pragma once

#include <string>

// Field selectors of ReadTask and WriteTask: every text, the caption only, or
// one sub-item (0 to 9, in the order of the texts below after InputFile).
constexpr int AllFields = -2;
constexpr int InputFileOnly = -1;

// One task: eleven texts held by its row, and six numbers parsed from the
// time texts on every read (-1 where a text is not a time text).
struct ltvItemData
{
    std::string InputFile;     // caption
    std::string LengthText;    // 0
    std::string SizeText;      // 1
    std::string StatusText;    // 2
    std::string NewName;       // 3
    std::string NewExt;        // 4
    std::string FullStartText; // 5
    std::string FullEndText;   // 6
    std::string SpanText;      // 7
    std::string StartText;     // 8
    std::string EndText;       // 9

    double LengthSec = -1;
    double FullStartSec = -1;
    double FullEndSec = -1;
    double SpanSec = -1;
    double StartSec = -1;
    double EndSec = -1;
};
