#include "ui/qt/KWSpinBoxStyle.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"

QString KWSpinBoxStyleSheet(const QString& boxClass, const QString& textColour, int paddingPx,
    int buttonWidthPx, int fontPx, const ImageNumSpinerStyle& style, const QString& folder)
{
    auto image = [&folder](const std::wstring& name) {
        return QStringLiteral("border-image: ") + KWPictureStyleUrl(folder + KWToQString(name))
            + QStringLiteral(";}");
    };
    const QString width = QStringLiteral("{width: %1px; ").arg(buttonWidthPx);
    const QString up = boxClass + QStringLiteral("::up-button");
    const QString down = boxClass + QStringLiteral("::down-button");

    QString sheet = boxClass
        + QStringLiteral(" { color:%1; padding: 0 %2px; font-size: %3px; ").arg(textColour).arg(paddingPx).arg(fontPx)
        + image(style.strFrame);
    sheet += up + QStringLiteral(" ") + width + image(style.strUpNormal);
    sheet += up + QStringLiteral(":hover {") + image(style.strUpHover);
    sheet += up + QStringLiteral(":pressed {") + image(style.strUpPressed);
    sheet += up + QStringLiteral(":disabled {") + image(style.strUpDisabled);
    sheet += down + QStringLiteral(" ") + width + image(style.strDownNormal);
    sheet += down + QStringLiteral(":hover {") + image(style.strDownHover);
    sheet += down + QStringLiteral(":pressed {") + image(style.strDownPressed);
    sheet += down + QStringLiteral(":disabled {") + image(style.strDownDisabled);
    return sheet;
}
