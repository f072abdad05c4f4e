#include "ui/qt/KWQTDoubleSpiner.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"
#include "ui/qt/KWSpinBoxStyle.h"
#include "ui/qt/KWSpinBoxTyping.h"

#include <new>

CKWDoubleSpiner* CreateKWDoubleSpiner(IKWDoubleSpinerEvent* listener)
{
    return new (std::nothrow) CKWQTDoubleSpiner(listener);
}

CKWQTDoubleSpiner::CKWQTDoubleSpiner(IKWDoubleSpinerEvent* listener)
    : QDoubleSpinBox(nullptr)
    , CKWDoubleSpiner(listener)
{
    setAttribute(Qt::WA_MacShowFocusRect, false);
    setFrame(false);
    // A half-typed number is no value: the calculators would clamp it and
    // write the clamped value back under the user's cursor.
    setKeyboardTracking(false);
    KWUseProgramNumberFormat(this);
    connect(this, &QDoubleSpinBox::valueChanged, this, &CKWQTDoubleSpiner::OnValueChanged);
}

CKWQTDoubleSpiner::~CKWQTDoubleSpiner() = default;

int CKWQTDoubleSpiner::Create(LPCWSTR /*text*/, const RECT& rect, void* parent, UINT id)
{
    KWPlaceInParent(this, parent, rect);
    m_id = id;
    return 1;
}

void CKWQTDoubleSpiner::SetRange(double minimum, double maximum)
{
    CKWScopedSilence silence(m_silent);
    setRange(minimum, maximum);
}

void CKWQTDoubleSpiner::GetRange(double& minimum, double& maximum)
{
    minimum = this->minimum();
    maximum = this->maximum();
}

void CKWQTDoubleSpiner::SetStep(double step)
{
    setSingleStep(step);
}

double CKWQTDoubleSpiner::GetStep()
{
    return singleStep();
}

void CKWQTDoubleSpiner::SetCurrentNum(double value)
{
    CKWScopedSilence silence(m_silent);
    setValue(value);
}

double CKWQTDoubleSpiner::GetCurrentNum()
{
    return value();
}

void CKWQTDoubleSpiner::StepUp()
{
    stepUp();
}

void CKWQTDoubleSpiner::StepDown()
{
    stepDown();
}

QString CKWQTDoubleSpiner::SkinFolder()
{
    // Relative to the program, not to the working directory: started from
    // elsewhere, a "./Skin/" url would find no pictures at all.
    return KWToQString(GetKWAppDirPath()) + QStringLiteral("/Skin/");
}

QString CKWQTDoubleSpiner::BuildStyleSheet(
    const ImageNumSpinerStyle& style, float rectTimes, const QString& skinFolder)
{
    // Only exactly 1.0 keeps the small sizes: 1.5 already needs the large ones.
    const bool unscaled = rectTimes == 1.0f;
    // The number follows the rect times like every other size of the box.
    const int fontPx = static_cast<int>(12 * static_cast<double>(rectTimes));
    return KWSpinBoxStyleSheet(QStringLiteral("QDoubleSpinBox"), QStringLiteral("black"), unscaled ? 8 : 16,
        unscaled ? 21 : 42, fontPx, style, skinFolder);
}

int CKWQTDoubleSpiner::SetSkin(ImageNumSpinerStyle* style)
{
    if (style != nullptr) {
        setStyleSheet(BuildStyleSheet(*style, m_rectTimes, SkinFolder()));
    }
    return 1;
}

void CKWQTDoubleSpiner::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTDoubleSpiner::MoveWindow(RECT* rect)
{
    KWMoveInclusive(this, rect);
}

void CKWQTDoubleSpiner::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

void CKWQTDoubleSpiner::EnableWindow(int enable)
{
    setEnabled(enable != 0);
}

void CKWQTDoubleSpiner::SetCircleStep(int circle)
{
    setWrapping(circle != 0);
}

void CKWQTDoubleSpiner::SetRectTimes(float times)
{
    m_rectTimes = times;
}

void CKWQTDoubleSpiner::SetDecimals(int decimals)
{
    setDecimals(decimals);
}

QValidator::State CKWQTDoubleSpiner::validate(QString& text, int& pos) const
{
    KWTakeCommaAsDecimalPoint(text);
    return KWAcceptNumberBeyondRangeWhileTyping(QDoubleSpinBox::validate(text, pos), TypedBound(text));
}

void CKWQTDoubleSpiner::fixup(QString& text) const
{
    KWTakeCommaAsDecimalPoint(text);
    if (const std::optional<double> bound = TypedBound(text)) {
        text = textFromValue(*bound);
        return;
    }
    QDoubleSpinBox::fixup(text);
}

std::optional<double> CKWQTDoubleSpiner::TypedBound(const QString& text) const
{
    return KWTypedBound(text, locale(), { minimum(), maximum(), decimals() });
}

void CKWQTDoubleSpiner::OnValueChanged(double value)
{
    if (m_silent || m_pListener == nullptr) {
        return;
    }
    m_pListener->OnCurrentNumChanged(m_id, value);
}

void CKWQTDoubleSpiner::contextMenuEvent(QContextMenuEvent* /*event*/)
{
    // No menu: its entries (undo, select all, step) would only confuse a
    // number that the calculators keep in step with the drawings.
}
