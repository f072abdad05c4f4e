#pragma once
// A control hears its own Qt signal through one slot and passes it on to its
// listener. Values the application sets must not come back to it as if the
// user had made them (the calculators would loop), so the control raises a
// flag around the programmatic change and the slot returns early while the
// flag is up. Unlike blocking every signal of the widget, this silences only
// the control's own path; anyone else connected to the widget still hears.
//
//     void CKWQTxxx::SetCurrentNum(double value)
//     {
//         CKWScopedSilence silence(m_silent);
//         setValue(value);
//     }
//     void CKWQTxxx::OnValueChanged(double value)
//     {
//         if (m_silent) return;
//         ...
//     }
//
// Guards nest: each restores the value the flag had when it was raised.

class CKWScopedSilence {
public:
    explicit CKWScopedSilence(bool& flag)
        : m_flag(flag)
        , m_previous(flag)
    {
        m_flag = true;
    }
    ~CKWScopedSilence() { m_flag = m_previous; }
    CKWScopedSilence(const CKWScopedSilence&) = delete;
    CKWScopedSilence& operator=(const CKWScopedSilence&) = delete;

private:
    bool& m_flag;
    bool m_previous;
};
