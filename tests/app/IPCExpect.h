#pragma once
// What the IPC arithmetic gives for the IPC panel's state as it stands: the
// numbers the display and the views must show, computed apart from the
// panel's own calculation.

#include "app/NumberText.h"
#include "app/calc/IPCCalc.h"
#include "app/calc/ParameterSettingEventImp.h"
#include "base/KWStreamConvert.h"

#include <gtest/gtest.h>

#include <string>

// The focal length the panel's controls show for its model.
inline double IPCShownFocal(const CParameterSettingEventImp& panel, bool* known)
{
    CKWComboBox* fixed = panel.GetFixedFocalCombo();
    wchar_t item[256] = {};
    if (fixed->GetCurSel() >= 0) {
        fixed->GetLBText(fixed->GetCurSel(), item);
    }
    const double comboValue = TextToDouble(KW_SOFT_BASE::CKWStreamConvert(item, 65001).GetString().c_str());
    double focal = 0.0;
    *known = PickFocalLength(false, TextToInt(panel.GetModel().FLtype.c_str()),
                             panel.GetFocalSpin()->GetCurrentNum(), comboValue, &focal);
    return focal;
}

inline IPCDensityResult IPCExpectedDensity(const CParameterSettingEventImp& panel)
{
    IPCDensityInput in;
    in.metric = panel.IsMetric();
    in.installHeight = panel.GetInstallHeight();
    in.targetDistance = panel.GetTargetDistance();
    in.installAngle = panel.GetInstallAngle();
    in.verticalAngle = panel.GetVerticalAngle();
    in.targetTop = panel.GetTargetTop();
    in.targetBottom = panel.GetTargetBottom();
    in.targetHeight = panel.GetTargetHeight();
    in.focal = IPCShownFocal(panel, &in.focalKnown);
    in.pixelSize = TextToDouble(panel.GetModel().PixelSize.c_str());
    return ComputeDensity(in);
}

inline IPCViewAngles IPCExpectedAngles(const CParameterSettingEventImp& panel)
{
    bool known = false;
    const double focal = IPCShownFocal(panel, &known);
    IPCViewAngles angles;
    SensorRow unused {};
    EXPECT_TRUE(ComputeViewAngles(false, unused, panel.GetModel(), focal, focal, &angles));
    return angles;
}

// The display's text for a density.
inline std::wstring IPCDensityText(int value)
{
    return value == kNoDensity ? std::wstring(L"N/A") : std::to_wstring(value);
}
