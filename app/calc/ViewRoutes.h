#pragma once
// Where the view controllers send what they hear, through the main frame's
// getters. Written against any owner with those getters, so that the routing
// (which receiver, in which order, with which values) can be checked with
// stand-ins. A getter that comes back empty skips its call: during start-up
// the IPC controllers exist before the panels do.

namespace KWViewRoutes {

// ---- IPC side view reports --------------------------------------------

template <class Owner>
void BlindDistanceChanged(const Owner& owner, double blindDistance, double lengthMaximum)
{
    if (const auto top = owner.GetTopView()) {
        top->SetVirtulXaxisMax(blindDistance, lengthMaximum);
    }
}

template <class Owner>
void InstallChanged(const Owner& owner, double installAngle, double installHeight)
{
    if (const auto panel = owner.GetParameterSetting()) {
        panel->SetInstallFromView(installAngle, installHeight);
    }
}

template <class Owner>
void HeightAxisMaxChanged(const Owner& owner, double heightMaximum)
{
    if (const auto panel = owner.GetParameterSetting()) {
        panel->SetHeightAxisMax(heightMaximum);
    }
}

// The panel clamps its distance into the new range; the top view is told the
// maximum too, though it has no use for it.
template <class Owner>
void LengthAxisRangeChanged(const Owner& owner, double minimumDistance, double lengthMaximum)
{
    if (const auto panel = owner.GetParameterSetting()) {
        panel->SetLengthAxisRange(minimumDistance, lengthMaximum);
    }
    if (const auto top = owner.GetTopView()) {
        top->SetLengthAxisMax(lengthMaximum);
    }
}

// Panel first: its density is recomputed with the new distance before the
// top view redraws.
template <class Owner>
void TarHDistanceChanged(const Owner& owner, double targetDistance)
{
    if (const auto panel = owner.GetParameterSetting()) {
        panel->SetTarHDistance(targetDistance);
    }
    if (const auto top = owner.GetTopView()) {
        top->UpdateVisibleWidth(targetDistance);
    }
}

template <class Owner>
void TargetViewHeightsChanged(const Owner& owner, double top, double bottom)
{
    if (const auto panel = owner.GetParameterSetting()) {
        panel->SetTargetViewHeights(top, bottom);
    }
}

template <class Owner>
void TargetHeightChanged(const Owner& owner, double targetHeight)
{
    if (const auto panel = owner.GetParameterSetting()) {
        panel->SetTargetHeight(targetHeight);
    }
}

// The IPC panel computes the angles of view and pushes them to both IPC views.
template <class Owner>
void RecalcViewAngles(const Owner& owner)
{
    if (const auto panel = owner.GetParameterSetting()) {
        panel->CalcViewAngles();
    }
}

// ---- Fisheye side view reports ----------------------------------------

template <class Owner>
void ObjectHeightChanged(const Owner& owner, double objectHeight)
{
    if (const auto panel = owner.GetFishParameterSetting()) {
        panel->SetObjectHeight(objectHeight);
    }
}

template <class Owner>
void VirtualHeightChanged(const Owner& owner, double installHeight)
{
    if (const auto panel = owner.GetFishParameterSetting()) {
        panel->SetInstallHeight(installHeight);
    }
}

template <class Owner>
void ObjectDistanceChanged(const Owner& owner, double objectDistance)
{
    if (const auto panel = owner.GetFishParameterSetting()) {
        panel->SetObjectDistance(objectDistance);
    }
}

// The fisheye panel computes the rings of equal density for the top view.
template <class Owner>
void RecalcRingPPM(const Owner& owner)
{
    if (const auto panel = owner.GetFishParameterSetting()) {
        panel->CalcRingPPM();
    }
}

// The mount and object heights the fisheye panel holds, in its unit; false
// (and nothing written) while there is no panel.
template <class Owner>
bool FishHeights(const Owner& owner, double* installHeight, double* objectHeight)
{
    const auto panel = owner.GetFishParameterSetting();
    if (!panel) {
        return false;
    }
    *installHeight = panel->GetInstallHeight();
    *objectHeight = panel->GetObjectHeight();
    return true;
}

} // namespace KWViewRoutes
