#pragma once
// Integer spin box. Unlike the floating-point box, SetCurrentNum reports a
// changed value to the listener as the user's changes are; SetRange is
// silent. Like it, a typed value is reported once editing ends, a step at
// once, and a number typed beyond the range becomes the bound it passed.
// Numbers are shown and read without the system locale; a typed ',' is a
// decimal point, which an integer box refuses as it refuses '.'.

#include "ui/api/KWNumSpiner.h"

#include <QSpinBox>
#include <QString>

#include <optional>

class CKWQTNumSpiner : public QSpinBox, public CKWNumSpiner {
    Q_OBJECT

public:
    explicit CKWQTNumSpiner(IKWNumSpinerEvent* listener = nullptr);
    ~CKWQTNumSpiner() override;

    // The text is ignored and there is no style: visibility stays as it is.
    int Create(LPCWSTR text, const RECT& rect, void* parent, UINT id) override;
    void SetRange(int minimum, int maximum) override;
    void GetRange(int& minimum, int& maximum) override;
    void SetStep(int step) override;
    int GetStep() override;
    void SetCurrentNum(int value) override;
    int GetCurrentNum() override;
    void StepUp() override;
    void StepDown() override;
    int SetSkin(ImageNumSpinerStyle* style) override;
    void ShowWindow(int show) override;
    // Inclusive: one pixel wider and taller than Create's rectangle.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    void EnableWindow(int enable) override;
    void SetCircleStep(int circle) override;

    // The style sheet SetSkin sets, its pictures taken from skinFolder.
    static QString BuildStyleSheet(const ImageNumSpinerStyle& style, const QString& skinFolder);

    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;

public slots:
    void OnValueChanged(int value);

private:
    std::optional<double> TypedBound(const QString& text) const;

    UINT m_id = static_cast<UINT>(-1);
    bool m_silent = false;
};
