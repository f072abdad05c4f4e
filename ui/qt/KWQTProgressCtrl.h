#pragma once
// Progress bar with a fixed dark look once skinned: a red chunk on a
// near-black bar with rounded corners. The percentage text is centred. It
// reports nothing to its listener or parent.

#include "ui/api/KWProgressCtrl.h"

#include <QProgressBar>

class CKWQTProgressCtrl : public QProgressBar, public CKWProgressCtrl {
    Q_OBJECT

public:
    // The style sheet SetSkin applies whatever the record holds.
    static const char* const kStyleSheet;

    explicit CKWQTProgressCtrl(IKWProgressCtrlEvent* listener = nullptr);
    ~CKWQTProgressCtrl() override;

    int Create(DWORD style, const RECT& rect, void* parent, UINT id) override;
    void SetCursor() override;
    // Null record: 0, look unchanged. Otherwise the dark look; the record's
    // pictures are not used.
    int SetSkin(ImageProgressCtrlStyle* style) override;
    void ShowWindow(int show) override;
    // Inclusive: one pixel wider and taller than Create's rectangle.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    // Kept for callers written against window styles; changes nothing.
    int ModifyStyleEx(DWORD remove, DWORD add, UINT flags) override;
    int GetPos() override;
    void GetRange(int& minimum, int& maximum) override;
    // A position outside the range is ignored, as Qt does.
    void SetPos(int pos) override;
    void SetRange(int minimum, int maximum) override;
    // The bar has no step of its own: both return 0 and move nothing.
    int SetStep(int step) override;
    int StepIt() override;
    void SetTextVisible(int visible) override;

    UINT GetId() const { return m_id; }

private:
    UINT m_id = 0;
};
