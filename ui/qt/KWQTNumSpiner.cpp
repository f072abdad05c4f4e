#include "ui/qt/KWQTNumSpiner.h"

#include "base/ScaledLength.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"
#include "ui/qt/KWSpinBoxStyle.h"
#include "ui/qt/KWSpinBoxTyping.h"

#include <new>

CKWNumSpiner* CreateKWNumSpiner(IKWNumSpinerEvent* listener)
{
    return new (std::nothrow) CKWQTNumSpiner(listener);
}

CKWQTNumSpiner::CKWQTNumSpiner(IKWNumSpinerEvent* listener)
    : QSpinBox(nullptr)
    , CKWNumSpiner(listener)
{
    setAttribute(Qt::WA_MacShowFocusRect, false);
    setFrame(false);
    // A half-typed number is no value to report.
    setKeyboardTracking(false);
    KWUseProgramNumberFormat(this);
    connect(this, &QSpinBox::valueChanged, this, &CKWQTNumSpiner::OnValueChanged);
}

CKWQTNumSpiner::~CKWQTNumSpiner() = default;

int CKWQTNumSpiner::Create(LPCWSTR /*text*/, const RECT& rect, void* parent, UINT id)
{
    KWPlaceInParent(this, parent, rect);
    m_id = id;
    return 1;
}

void CKWQTNumSpiner::SetRange(int minimum, int maximum)
{
    CKWScopedSilence silence(m_silent);
    setRange(minimum, maximum);
}

void CKWQTNumSpiner::GetRange(int& minimum, int& maximum)
{
    minimum = this->minimum();
    maximum = this->maximum();
}

void CKWQTNumSpiner::SetStep(int step)
{
    setSingleStep(step);
}

int CKWQTNumSpiner::GetStep()
{
    return singleStep();
}

void CKWQTNumSpiner::SetCurrentNum(int value)
{
    // Not silenced: callers of the integer box expect to hear their own
    // changes.
    setValue(value);
}

int CKWQTNumSpiner::GetCurrentNum()
{
    return value();
}

void CKWQTNumSpiner::StepUp()
{
    stepUp();
}

void CKWQTNumSpiner::StepDown()
{
    stepDown();
}

QString CKWQTNumSpiner::BuildStyleSheet(const ImageNumSpinerStyle& style, const QString& skinFolder)
{
    return KWSpinBoxStyleSheet(
        QStringLiteral("QSpinBox"), QStringLiteral("white"), 8, 21, Scaled(12), style, skinFolder);
}

int CKWQTNumSpiner::SetSkin(ImageNumSpinerStyle* style)
{
    if (style != nullptr) {
        setStyleSheet(BuildStyleSheet(*style, GetSkinPath()));
    }
    return 1;
}

void CKWQTNumSpiner::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTNumSpiner::MoveWindow(RECT* rect)
{
    KWMoveInclusive(this, rect);
}

void CKWQTNumSpiner::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

void CKWQTNumSpiner::EnableWindow(int enable)
{
    setEnabled(enable != 0);
}

void CKWQTNumSpiner::SetCircleStep(int circle)
{
    setWrapping(circle != 0);
}

QValidator::State CKWQTNumSpiner::validate(QString& text, int& pos) const
{
    KWTakeCommaAsDecimalPoint(text);
    return KWAcceptNumberBeyondRangeWhileTyping(QSpinBox::validate(text, pos), TypedBound(text));
}

void CKWQTNumSpiner::fixup(QString& text) const
{
    KWTakeCommaAsDecimalPoint(text);
    if (const std::optional<double> bound = TypedBound(text)) {
        text = textFromValue(static_cast<int>(*bound));
        return;
    }
    QSpinBox::fixup(text);
}

std::optional<double> CKWQTNumSpiner::TypedBound(const QString& text) const
{
    return KWTypedBound(text, locale(), { double(minimum()), double(maximum()), 0 });
}

void CKWQTNumSpiner::OnValueChanged(int value)
{
    if (m_silent || m_pListener == nullptr) {
        return;
    }
    m_pListener->OnCurrentNumChanged(m_id, value);
}
