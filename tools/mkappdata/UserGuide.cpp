#include "UserGuide.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace MkAppData
{

namespace
{

const GuideLanguage kLanguages[] = {
    {0, "en.md", "User's Guide.pdf"},
    {1, "zh.md", "\xE7\x94\xA8\xE6\x88\xB7\xE6\x8C\x87\xE5\x8D\x97.pdf"},  // 用户指南.pdf
    {2, "pt.md", "Guia do Usu\xC3\xA1rio.pdf"},
    {3, "es.md", "Gu\xC3\xAD" "a del usuario.pdf"},
};

// Markdown tables come without padding; give them room and a light grid.
void StyleTables(QTextDocument& document)
{
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (table == nullptr) {
            continue;
        }
        QTextTableFormat format = table->format();
        format.setCellPadding(4);
        format.setCellSpacing(0);
        format.setBorder(0.5);
        format.setBorderCollapse(true);
        format.setBorderBrush(QColor(0xB8, 0xC2, 0xCF));
        table->setFormat(format);
    }
}

bool Render(const QString& markdownPath, const QString& pdfPath, QString* error)
{
    QFile source(markdownPath);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1").arg(markdownPath);
        return false;
    }
    const QString text = QString::fromUtf8(source.readAll());

    QPdfWriter writer(pdfPath);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("Lumivane"));
    // The title is the guide's first heading.
    const QString firstLine = text.section(QLatin1Char('\n'), 0, 0);
    writer.setTitle(firstLine.startsWith(QLatin1Char('#')) ? firstLine.mid(1).trimmed() : QStringLiteral("Lumivane"));

    QTextDocument document;
    // Latin text in DejaVu Sans; Chinese falls back to WenQuanYi Micro Hei.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSizeF(10.0);
    document.setDefaultFont(font);
    document.setMarkdown(text);
    StyleTables(document);
    document.print(&writer);
    if (!QFile::exists(pdfPath)) {
        *error = QStringLiteral("cannot write %1").arg(pdfPath);
        return false;
    }
    return true;
}

}  // namespace

const GuideLanguage* GuideLanguages(int* count)
{
    *count = static_cast<int>(sizeof(kLanguages) / sizeof(kLanguages[0]));
    return kLanguages;
}

bool WriteUserGuides(const QString& sourceDir, const QString& outputDir, QString* error)
{
    if (!QDir().mkpath(outputDir)) {
        *error = QStringLiteral("cannot create %1").arg(outputDir);
        return false;
    }
    for (const GuideLanguage& language : kLanguages) {
        const QString pdf = outputDir + QLatin1Char('/') + QString::fromUtf8(language.pdfName);
        QFile::remove(pdf);
        if (!Render(sourceDir + QLatin1Char('/') + QLatin1String(language.source), pdf, error)) {
            return false;
        }
    }
    return true;
}

}  // namespace MkAppData
