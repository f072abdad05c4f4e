#pragma once
// Floating-point spin box: every length, height and angle input of the
// calculators. Values the application sets (SetCurrentNum, SetRange) are not
// reported back; what the user changes is, with the Create id: a typed value
// once editing ends (Enter, Tab, leaving the box), a step at once. Numbers
// are shown and read with '.' in every locale; a typed ',' is taken as '.'.

#include "ui/api/KWDoubleSpiner.h"

#include <QDoubleSpinBox>
#include <QString>

#include <optional>

class CKWQTDoubleSpiner : public QDoubleSpinBox, public CKWDoubleSpiner {
    Q_OBJECT

public:
    explicit CKWQTDoubleSpiner(IKWDoubleSpinerEvent* listener = nullptr);
    ~CKWQTDoubleSpiner() override;

    // The text is ignored and there is no style: visibility stays as it is.
    int Create(LPCWSTR text, const RECT& rect, void* parent, UINT id) override;
    void SetRange(double minimum, double maximum) override;
    void GetRange(double& minimum, double& maximum) override;
    void SetStep(double step) override;
    double GetStep() override;
    void SetCurrentNum(double value) override;
    double GetCurrentNum() override;
    void StepUp() override;
    void StepDown() override;
    int SetSkin(ImageNumSpinerStyle* style) override;
    void ShowWindow(int show) override;
    // Inclusive: one pixel wider and taller than Create's rectangle.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    void EnableWindow(int enable) override;
    void SetCircleStep(int circle) override;
    // Read by the next SetSkin only.
    void SetRectTimes(float times) override;
    void SetDecimals(int decimals) override;

    // The style sheet SetSkin sets for the record at the given scale, its
    // pictures taken from skinFolder (which ends with '/').
    static QString BuildStyleSheet(
        const ImageNumSpinerStyle& style, float rectTimes, const QString& skinFolder);
    // The folder the box's pictures come from: always the 1x "Skin/" beside
    // the program, whatever the skin directory (the 4K pictures would not fit
    // the box's fixed sizes).
    static QString SkinFolder();

    // A number typed beyond the range stands while it is typed and becomes
    // the bound it passed when editing ends.
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;

public slots:
    void OnValueChanged(double value);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    std::optional<double> TypedBound(const QString& text) const;

    UINT m_id = static_cast<UINT>(-1);
    float m_rectTimes = 1.0f;
    bool m_silent = false;
};
