#pragma once
// Spin-box editor for either a date or a time, skinned by a generated style
// sheet. Every change of the value, by the user or by the program, is
// reported to the listener.

#include "ui/api/KWDateTimeCtrl.h"

#include <QDateTime>
#include <QDateTimeEdit>
#include <QString>

class CKWQTDateTimeCtrl : public QDateTimeEdit, public CKWDateTimeCtrl {
    Q_OBJECT

public:
    // dateMode nonzero edits a date ("yyyy-MM-dd"), zero a time ("h:mm:ss").
    explicit CKWQTDateTimeCtrl(IKWDateTimeCtrlEvent* listener = nullptr, int dateMode = 1);
    ~CKWQTDateTimeCtrl() override;

    // Exclusive rectangle; the style is not read, so the control shows with
    // its parent. Returns 0.
    int Create(DWORD style, const RECT& rect, void* parent, UINT id) override;
    void SetCursor() override;
    // 0; does nothing for a null record or in the native look.
    int SetSkin(ImageDateTimeStyle* style) override;
    void ShowWindow(int show) override;
    // Inclusive: one pixel wider and taller than Create's rectangle.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    void EnableWindow(int enable) override;
    // The control's own rectangle: {0, 0, width - 1, height - 1}.
    void GetWindowRect(RECT* rect) override;
    // Each fills only its own fields and leaves the others; 0.
    int GetTime(_KW_SYSTEMTIME* time) const override;
    int GetDate(_KW_SYSTEMTIME* date) const override;
    // Seconds are the finest unit kept: milliseconds become 0. A date that
    // does not exist is refused and the value stays. 0.
    int SetTime(_KW_SYSTEMTIME* time) override;
    int SetDate(_KW_SYSTEMTIME* date) override;
    // 1 keeps Qt's own look: SetSkin then does nothing.
    void SetOriginStyle(int native) override;
    // Midnight; 0.
    int Clear() override;
    // An instance named "CutVideo" gets white text from the skin.
    void SetObjectName(LPCWSTR name) override;

    // The style sheet SetSkin applies for the record, with the skin
    // directory as it is now.
    static QString SkinStyleSheet(const ImageDateTimeStyle& style);

    int DateMode() const { return m_dateMode; }
    UINT Id() const { return m_id; }

public slots:
    void OnDateTimeChanged(const QDateTime& value);

private:
    int m_dateMode = 1;
    UINT m_id = static_cast<UINT>(-1);
    int m_originStyle = 0;
};
