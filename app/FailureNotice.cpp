#include "app/FailureNotice.h"

#include "app/MsgBoxLayout.h"
#include "app/ShowMessageDialog.h"
#include "base/KWQtText.h"
#include "base/Translate.h"

#include <QDir>

namespace {

constexpr QChar kZeroWidthSpace(0x200B);

QString FailureNoticeText(const std::wstring& whatFailed, const QString& path)
{
    QString breakable = QDir::toNativeSeparators(path);
    breakable.replace(QLatin1Char('/'), QString(QLatin1Char('/')) + kZeroWidthSpace);
    return KWToQString(whatFailed) + QLatin1Char('\n') + breakable;
}

} // namespace

void TellUserOfFailure(void* parentWindow, const std::wstring& whatFailed, const QString& path)
{
    const std::wstring text = FailureNoticeText(whatFailed, path).toStdWString();
    const std::wstring caption = translate(L"Attention");
    ShowMessageDialog(text.c_str(), caption.c_str(), parentWindow, kMsgLayoutOK, 0);
}
