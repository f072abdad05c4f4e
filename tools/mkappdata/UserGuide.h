#pragma once

// Renders the user guide that F1 opens: one PDF per language from the text
// sources in resources/guide/, each named as that language's file translates
// "User's Guide.pdf".

#include <QString>

namespace MkAppData
{

struct GuideLanguage
{
    int languageIndex;   // 0 English, 1 Chinese, 2 Portuguese, 3 Spanish
    const char* source;  // Markdown file in the guide folder
    const char* pdfName; // UTF-8
};

// The four guides in language order.
const GuideLanguage* GuideLanguages(int* count);

bool WriteUserGuides(const QString& sourceDir, const QString& outputDir, QString* error);

}  // namespace MkAppData
