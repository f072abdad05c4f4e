#include "ui/qt/KWQTDateTimeCtrl.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <QDate>
#include <QTime>

#include <new>

CKWDateTimeCtrl* CreateKWDateTimeCtrl(IKWDateTimeCtrlEvent* listener)
{
    return new (std::nothrow) CKWQTDateTimeCtrl(listener);
}

CKWQTDateTimeCtrl::CKWQTDateTimeCtrl(IKWDateTimeCtrlEvent* listener, int dateMode)
    : QDateTimeEdit(nullptr)
    , CKWDateTimeCtrl(listener)
    , m_dateMode(dateMode)
{
    setDisplayFormat(dateMode != 0 ? QStringLiteral("yyyy-MM-dd") : QStringLiteral("h:mm:ss"));
    setWrapping(true);
    setFrame(false);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    connect(this, &QDateTimeEdit::dateTimeChanged, this, &CKWQTDateTimeCtrl::OnDateTimeChanged);
}

CKWQTDateTimeCtrl::~CKWQTDateTimeCtrl() = default;

int CKWQTDateTimeCtrl::Create(DWORD /*style*/, const RECT& rect, void* parent, UINT id)
{
    KWPlaceInParent(this, parent, rect);
    m_id = id;
    return 0;
}

void CKWQTDateTimeCtrl::SetCursor() { }

QString CKWQTDateTimeCtrl::SkinStyleSheet(const ImageDateTimeStyle& style)
{
    const auto url = [](const std::wstring& name) { return KWPictureStyleUrl(KWSkinImagePath(name)); };
    QString sheet;
    sheet += QStringLiteral("QDateTimeEdit { padding: 0 8px; border-image: %1;}")
                 .arg(url(style.strFieldBackground));
    sheet += QStringLiteral("QDateTimeEdit::up-button {width: 18px; border-image: %1;}")
                 .arg(url(style.strUpNormal));
    sheet += QStringLiteral("QDateTimeEdit::up-button:hover {border-image: %1;}").arg(url(style.strUpHover));
    sheet
        += QStringLiteral("QDateTimeEdit::up-button:pressed {border-image: %1;}").arg(url(style.strUpHover));
    sheet += QStringLiteral("QDateTimeEdit::up-button:disabled {border-image: %1;}")
                 .arg(url(style.strUpDisabled));
    sheet += QStringLiteral("QDateTimeEdit::down-button {width: 18px; border-image: %1;}")
                 .arg(url(style.strDownNormal));
    sheet += QStringLiteral("QDateTimeEdit::down-button:hover {border-image: %1;}")
                 .arg(url(style.strDownHover));
    sheet += QStringLiteral("QDateTimeEdit::down-button:pressed {border-image: %1;}")
                 .arg(url(style.strDownHover));
    sheet += QStringLiteral("QDateTimeEdit::down-button:disabled {border-image: %1;}")
                 .arg(url(style.strDownDisabled));
    sheet += QStringLiteral("QDateTimeEdit#CutVideo { color:rgb(255,255,255);}");
    return sheet;
}

int CKWQTDateTimeCtrl::SetSkin(ImageDateTimeStyle* style)
{
    if (style == nullptr || m_originStyle == 1) {
        return 0;
    }
    setStyleSheet(SkinStyleSheet(*style));
    return 0;
}

void CKWQTDateTimeCtrl::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTDateTimeCtrl::MoveWindow(RECT* rect)
{
    KWMoveInclusive(this, rect);
}

void CKWQTDateTimeCtrl::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

void CKWQTDateTimeCtrl::EnableWindow(int enable)
{
    setEnabled(enable != 0);
}

void CKWQTDateTimeCtrl::GetWindowRect(RECT* rect)
{
    KWClientRectOf(this, rect);
}

int CKWQTDateTimeCtrl::GetTime(_KW_SYSTEMTIME* time) const
{
    if (time == nullptr) {
        return 0;
    }
    const QTime value = this->time();
    time->wHour = static_cast<WORD>(value.hour());
    time->wMinute = static_cast<WORD>(value.minute());
    time->wSecond = static_cast<WORD>(value.second());
    time->wMilliseconds = static_cast<WORD>(value.msec());
    return 0;
}

int CKWQTDateTimeCtrl::GetDate(_KW_SYSTEMTIME* date) const
{
    if (date == nullptr) {
        return 0;
    }
    const QDate value = this->date();
    date->wYear = static_cast<WORD>(value.year());
    date->wMonth = static_cast<WORD>(value.month());
    date->wDay = static_cast<WORD>(value.day());
    return 0;
}

int CKWQTDateTimeCtrl::SetTime(_KW_SYSTEMTIME* time)
{
    if (time != nullptr) {
        setTime(QTime(time->wHour, time->wMinute, time->wSecond));
    }
    return 0;
}

int CKWQTDateTimeCtrl::SetDate(_KW_SYSTEMTIME* date)
{
    if (date != nullptr) {
        setDate(QDate(date->wYear, date->wMonth, date->wDay));
    }
    return 0;
}

void CKWQTDateTimeCtrl::SetOriginStyle(int native)
{
    m_originStyle = native;
}

int CKWQTDateTimeCtrl::Clear()
{
    setTime(QTime(0, 0, 0, 0));
    return 0;
}

void CKWQTDateTimeCtrl::SetObjectName(LPCWSTR name)
{
    setObjectName(KWToQString(name));
}

void CKWQTDateTimeCtrl::OnDateTimeChanged(const QDateTime& value)
{
    if (m_pListener == nullptr) {
        return;
    }
    _KW_SYSTEMTIME time {};
    time.wYear = static_cast<WORD>(value.date().year());
    time.wMonth = static_cast<WORD>(value.date().month());
    time.wDay = static_cast<WORD>(value.date().day());
    time.wHour = static_cast<WORD>(value.time().hour());
    time.wMinute = static_cast<WORD>(value.time().minute());
    time.wSecond = static_cast<WORD>(value.time().second());
    m_pListener->DTN_DateTimeChange(m_id, time);
}
