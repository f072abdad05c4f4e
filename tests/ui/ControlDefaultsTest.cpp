#include "ui/api/KWFramework.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace {

// Every abstract control made concrete as a later Qt implementation will be:
// derived, with the listener passed on.
template <class Control>
struct Concrete : Control {
    template <class Listener>
    explicit Concrete(Listener* listener) : Control(listener)
    {
    }
    explicit Concrete(std::nullptr_t) : Control(nullptr) {}
};

// Listener interfaces with pure operations need them implemented.
struct DialogListener : IKWDialogEvent {
    KW_BEGIN_MSGMAP(DialogListener)
    KW_END_MSGMAP()
    void OnDlgCreate(bool) override {}
};
struct ViewListener : IKWViewEvent {
    KW_BEGIN_MSGMAP(ViewListener)
        KW_UIMESSAGE(275, 4, OnTick)
    KW_END_MSGMAP()
    void OnTick(WPARAM, LPARAM) {}
};
struct ListBoxListener : IKWListBoxEvent {
    void LISTBOX_OnLButtonDown() override {}
    void LISTBOX_OnLButtonUp() override {}
    void LISTBOX_OnMouseMove() override {}
};
struct ControlBarListener : IKWControlBarEvent {
    void CTRLBAR_OnCreate() override {}
};
struct FrameListener : IKWFrameEvent {
    int OnFrameCreate() override { return 0; }
};
struct IPAddressListener : IKWIPAddressCtrlEvent {
    void IPADDR_OnLButtonDown() override {}
    void IPADDR_OnLButtonUp() override {}
    void IPADDR_OnMouseMove() override {}
};
struct ProgressListener : IKWProgressCtrlEvent {
    void PROGRESS_OnLButtonDown() override {}
    void PROGRESS_OnLButtonUp() override {}
    void PROGRESS_OnMouseMove() override {}
};
struct TabListener : IKWTabCtrlEvent {
    void TAB_OnLButtonDown() override {}
    void TAB_OnLButtonUp() override {}
    void TAB_OnMouseMove() override {}
};
template <class Interface>
struct Plain : Interface {};

struct DefaultCase {
    const char* member;
    std::function<double()> call;
    double expected;
};

TEST(ControlDefaults, ExceptionalDefaultsHold)
{
    const std::vector<DefaultCase> cases = {
        {"CKWDialog::DoModalDlg", [] { return Concrete<CKWDialog>(nullptr).DoModalDlg(); }, -1},
        {"CKWComboBox::GetCurSel", [] { return Concrete<CKWComboBox>(nullptr).GetCurSel(); }, -1},
        {"CKWListCtrl::GetFirstSelectedRow", [] { return Concrete<CKWListCtrl>(nullptr).GetFirstSelectedRow(); }, -1},
        {"CKWVideoWindow::GetCurrentSubWinIndex",
         [] { return Concrete<CKWVideoWindow>(nullptr).GetCurrentSubWinIndex(); }, -1},
        {"CKWVideoWindow::GetCurrentSubWinID",
         [] { return Concrete<CKWVideoWindow>(nullptr).GetCurrentSubWinID(); }, -1},
        {"CKWVideoWindow::GetSubWinIDByIndex",
         [] { return Concrete<CKWVideoWindow>(nullptr).GetSubWinIDByIndex(0); }, -1},
        {"CKWVideoWindow::GetSubWinIndexByID",
         [] { return Concrete<CKWVideoWindow>(nullptr).GetSubWinIndexByID(0); }, -1},
        {"CKWVerticalSceneC::Create",
         [] { return Concrete<CKWVerticalSceneC>(nullptr).Create(nullptr, 0, RECT{}, nullptr, 0); }, 1},
        {"CKWVerticalSceneC::SetSkin", [] { return Concrete<CKWVerticalSceneC>(nullptr).SetSkin(nullptr); }, 1},
        {"CKWVerticalScene::Create",
         [] { return Concrete<CKWVerticalScene>(nullptr).Create(nullptr, 0, RECT{}, nullptr, 0); }, 1},
        {"CKWVerticalScene::SetSkin", [] { return Concrete<CKWVerticalScene>(nullptr).SetSkin(nullptr); }, 1},
        {"CKWSideSceneFish::Create",
         [] { return Concrete<CKWSideSceneFish>(nullptr).Create(nullptr, 0, RECT{}, nullptr, 0); }, 1},
        {"CKWListCtrl::SetAllCheck", [] { return Concrete<CKWListCtrl>(nullptr).SetAllCheck(); }, 1},
        {"IKWTreeCtrlEvent::OnItemClick", [] { return Plain<IKWTreeCtrlEvent>().OnItemClick(nullptr, 0); }, 1},
        {"CKWDoubleSpiner::GetStep", [] { return Concrete<CKWDoubleSpiner>(nullptr).GetStep(); }, 0.0},
        {"CKWDoubleSpiner::GetCurrentNum", [] { return Concrete<CKWDoubleSpiner>(nullptr).GetCurrentNum(); }, 0.0},
        // A few ordinary defaults beside them.
        {"CKWButton::Create", [] { return Concrete<CKWButton>(nullptr).Create(nullptr, 0, RECT{}, nullptr, 0); }, 0},
        {"CKWListBox::GetCurSel", [] { return Concrete<CKWListBox>(nullptr).GetCurSel(); }, 0},
        {"IKWDialogEvent::Dlg_Close", [] { return DialogListener().Dlg_Close(); }, 0},
        {"IKWVideoWindowEvent::VideoWidow_InPtInFishEyeRegion",
         [] { return Plain<IKWVideoWindowEvent>().VideoWidow_InPtInFishEyeRegion(0, 0, 0, 0); }, 0},
    };
    for (const DefaultCase& c : cases) {
        EXPECT_EQ(c.call(), c.expected) << c.member;
    }
}

TEST(ControlDefaults, PointerAndRecordDefaultsAreEmpty)
{
    const RECT geometry = Concrete<CKWStatic>(nullptr).GetGeometry();
    EXPECT_EQ(geometry.left, 0);
    EXPECT_EQ(geometry.top, 0);
    EXPECT_EQ(geometry.right, 0);
    EXPECT_EQ(geometry.bottom, 0);

    Concrete<CKWGraphicList> list(nullptr);
    const tagGListItem_Info info = list.GetItemInfoByID(5);
    EXPECT_EQ(info.nID, 0);
    EXPECT_EQ(info.nValue1 + info.nValue2 + info.nValue3 + info.nValue4, 0);
    EXPECT_TRUE(info.strPicture.empty() && info.strFilePath.empty() && info.strLine2.empty() && info.strLine3.empty());
    list.SetItemPicture(5, L"taken by value");

    EXPECT_EQ(Concrete<CKWMenu>(nullptr).AddAction(L"text", 1), nullptr);
    EXPECT_EQ(Concrete<CKWVideoWindow>(nullptr).GetSubWinHandle(0), nullptr);
    EXPECT_EQ(Concrete<CKWPlayProgressPanel>(nullptr).GetChannelInfo(1), nullptr);
    EXPECT_EQ(Concrete<CKWFrameWnd>(nullptr).CreateChildWnd(), nullptr);
}

// The time range is the one piece of state the abstract slider keeps.
struct TimeSlider : CKWSliderCtrl {
    TimeSlider() : CKWSliderCtrl(nullptr) {}
    using CKWSliderCtrl::m_nTimeBegin;
    using CKWSliderCtrl::m_nTimeEnd;
    using CKWSliderCtrl::m_stBegin;
    using CKWSliderCtrl::m_stEnd;
};

TEST(ControlDefaults, SliderStoresItsTimeRanges)
{
    TimeSlider slider;
    EXPECT_EQ(slider.m_nTimeBegin, 0);
    EXPECT_EQ(slider.m_stBegin.wYear, 0);
    slider.SetTimeRange(100, 200);
    _SYSTEMTIME begin{2024, 5, 0, 17, 8, 30, 0, 0};
    _SYSTEMTIME end{2024, 5, 0, 18, 9, 0, 0, 0};
    slider.SetTimeRange(begin, end);
    EXPECT_EQ(slider.m_nTimeBegin, 100);
    EXPECT_EQ(slider.m_nTimeEnd, 200);
    EXPECT_EQ(slider.m_stBegin.wDay, 17);
    EXPECT_EQ(slider.m_stEnd.wHour, 9);

    TimeSlider copy;
    copy = slider; // copies keep the fields
    EXPECT_EQ(copy.m_nTimeEnd, 200);
    EXPECT_EQ(copy.m_stEnd.wDay, 18);
}

TEST(ControlDefaults, WindowHandlesComeFromTheListener)
{
    int window = 0;
    DialogListener dialogListener;
    Concrete<CKWDialog> dialog(&dialogListener);
    EXPECT_EQ(dialog.GetUIWnd(), nullptr);
    dialogListener.SetUIWnd(&window);
    EXPECT_EQ(dialog.GetUIWnd(), &window);
    EXPECT_EQ(Concrete<CKWDialog>(nullptr).GetUIWnd(), nullptr);

    ViewListener viewListener;
    viewListener.SetUIWnd(&window);
    EXPECT_EQ(Concrete<CKWView>(&viewListener).GetUIWnd(), &window);
    EXPECT_EQ(Concrete<CKWView>(nullptr).GetUIWnd(), nullptr);

    FrameListener frameListener;
    frameListener.SetUIWnd(&window);
    EXPECT_EQ(Concrete<CKWFrameWnd>(&frameListener).GetUIWnd(), &window);
    EXPECT_EQ(Concrete<CKWChildWnd>(nullptr).GetUIWnd(), nullptr);
    EXPECT_EQ(Concrete<CKWControlBar>(nullptr).GetUIWnd(), nullptr);
    EXPECT_EQ(Concrete<CKWWndTabBar>(nullptr).GetUIWnd(), nullptr);
}

TEST(ControlDefaults, NewViewRebuildsItsListenersTimerIds)
{
    ViewListener listener;
    ASSERT_NE(listener.GetThisMessageIDs(), nullptr);
    Concrete<CKWView> view(&listener);
    int* ids = listener.GetThisMessageIDs(); // built again, the old array freed
    ASSERT_NE(ids, nullptr);
    EXPECT_EQ(ids[0], 4);
    EXPECT_EQ(ids[1], -1);
}

// Every interface and abstract control can be derived from and instantiated.
TEST(ControlDefaults, EveryInterfaceAndControlIsInstantiable)
{
    DialogListener dialog;
    ViewListener view;
    ListBoxListener listBox;
    ControlBarListener controlBar;
    FrameListener frame;
    IPAddressListener ipAddress;
    ProgressListener progress;
    TabListener tab;
    Plain<IKW3DViewEvent> view3D;
    Plain<IKWButtonEvent> button;
    Plain<IKWCalendarCtrlEvent> calendar;
    Plain<IKWCheckBoxEvent> checkBox;
    Plain<IKWChildWndEvent> childWnd;
    Plain<IKWComboBoxEvent> comboBox;
    Plain<IKWDateTimeCtrlEvent> dateTime;
    Plain<IKWDoubleSpinerEvent> doubleSpiner;
    Plain<IKWEditCtrlEvent> edit;
    Plain<IKWGraphicListEvent> graphicList;
    Plain<IKWGroupBoxEvent> groupBox;
    Plain<IKWImagePanelEvent> imagePanel;
    Plain<IKWListCtrlEvent> listCtrl;
    Plain<IKWMenuEvent> menu;
    Plain<IKWMonthCalCtrlEvent> monthCal;
    Plain<IKWNumSpinerEvent> numSpiner;
    Plain<IKWPictureCtrlEvent> picture;
    Plain<IKWPlayControlPanelEvent> playControl;
    Plain<IKWRadioBoxEvent> radio;
    Plain<IKWScrollAreaEvent> scrollArea;
    Plain<IKWSideSceneFishEvent> sideFish;
    Plain<IKWSliderCtrlEvent> slider;
    Plain<IKWStaticEvent> staticText;
    Plain<IKWTopViewEvent> topView;
    Plain<IKWTopViewFishEvent> topViewFish;
    Plain<IKWTreeCtrlEvent> tree;
    Plain<IKWVerticalSceneCEvent> verticalScene;
    Plain<IKWVideoWindowEvent> videoWindow;
    Plain<IKWWndTabBarEvent> wndTabBar;
    Plain<IPlayProgressEvent> playProgress;

    Concrete<CKW3DView> c3DView(&view3D);
    Concrete<CKWButton> cButton(&button);
    Concrete<CKWCalendarCtrl> cCalendar(&calendar);
    Concrete<CKWCheckBox> cCheckBox(&checkBox);
    Concrete<CKWChildWnd> cChildWnd(&childWnd);
    Concrete<CKWComboBox> cComboBox(&comboBox);
    Concrete<CKWControlBar> cControlBar(&controlBar);
    Concrete<CKWDateTimeCtrl> cDateTime(&dateTime);
    Concrete<CKWDialog> cDialog(&dialog);
    Concrete<CKWDoubleSpiner> cDoubleSpiner(&doubleSpiner);
    Concrete<CKWEditCtrl> cEdit(&edit);
    Concrete<CKWFrameWnd> cFrame(&frame);
    Concrete<CKWGraphicList> cGraphicList(&graphicList);
    Concrete<CKWGroupBox> cGroupBox(&groupBox);
    Concrete<CKWIPAddressCtrl> cIPAddress(&ipAddress);
    Concrete<CKWImagePanel> cImagePanel(&imagePanel);
    Concrete<CKWListBox> cListBox(&listBox);
    Concrete<CKWListCtrl> cListCtrl(&listCtrl);
    Concrete<CKWMenu> cMenu(&menu);
    Concrete<CKWMonthCalCtrl> cMonthCal(&monthCal);
    Concrete<CKWNumSpiner> cNumSpiner(&numSpiner);
    Concrete<CKWPictureCtrl> cPicture(&picture);
    Concrete<CKWPictureEx> cPictureEx(&picture);
    Concrete<CKWPlayControlPanel> cPlayControl(&playControl);
    Concrete<CKWPlayProgressPanel> cPlayProgress(&playProgress);
    Concrete<CKWProgressCtrl> cProgress(&progress);
    Concrete<CKWRadioBox> cRadio(&radio);
    Concrete<CKWScrollArea> cScrollArea(&scrollArea);
    Concrete<CKWSideSceneFish> cSideFish(&sideFish);
    Concrete<CKWSliderCtrl> cSlider(&slider);
    Concrete<CKWStatic> cStatic(&staticText);
    Concrete<CKWTabCtrl> cTab(&tab);
    Concrete<CKWTopView> cTopView(&topView);
    Concrete<CKWTopViewFish> cTopViewFish(&topViewFish);
    Concrete<CKWTreeCtrl> cTree(&tree);
    Concrete<CKWVerticalScene> cVerticalScene(&verticalScene);
    Concrete<CKWVerticalSceneC> cVerticalSceneC(&verticalScene);
    Concrete<CKWVideoWindow> cVideoWindow(&videoWindow);
    Concrete<CKWView> cView(&view);
    Concrete<CKWWndTabBar> cWndTabBar(&wndTabBar);

    // Calling through the base runs the do-nothing default.
    CKWButton& asButton = cButton;
    asButton.SetWindowTextW(L"x");
    WCHAR buffer[4] = {L'a', 0, 0, 0};
    EXPECT_EQ(asButton.GetWindowTextW(buffer, 4), 0);
    EXPECT_EQ(buffer[0], L'a');
}

// Stand-ins for the Qt implementations: a Qt widget first, the abstract
// control second.
class TestButton : public QPushButton, public CKWButton {
public:
    TestButton() : CKWButton(nullptr) {}
};
class TestDialog : public QDialog, public CKWDialog {
public:
    TestDialog() : CKWDialog(nullptr) {}
};
class TestView : public QWidget, public CKWView {
public:
    explicit TestView(QWidget* parent) : QWidget(parent), CKWView(nullptr) {}
};
class TestStatic : public QWidget, public CKWStatic {
public:
    explicit TestStatic(QWidget* parent) : QWidget(parent), CKWStatic(nullptr) {}
};

TEST(DestroyFunctions, DeleteWhereOwnedAndLeaveParentedControlsAlone)
{
    DestroyKWButton(nullptr);
    DestroyKWDialog(nullptr);
    DestroyKWMainWindow(nullptr);
    DestroyKWStatic(nullptr);
    DestroyKWView(nullptr);

    auto* button = new TestButton;
    QPointer<QPushButton> buttonGuard(button);
    DestroyKWButton(button);
    EXPECT_TRUE(buttonGuard.isNull());

    auto* dialog = new TestDialog;
    QPointer<QDialog> dialogGuard(dialog);
    DestroyKWDialog(dialog);
    EXPECT_TRUE(dialogGuard.isNull());

    auto* window = new TestDialog;
    QPointer<QDialog> windowGuard(window);
    DestroyKWMainWindow(window);
    EXPECT_TRUE(windowGuard.isNull());

    QWidget parent;
    auto* view = new TestView(&parent);
    auto* label = new TestStatic(&parent);
    QPointer<QWidget> viewGuard(view);
    QPointer<QWidget> labelGuard(label);
    DestroyKWView(view);
    DestroyKWStatic(label);
    EXPECT_FALSE(viewGuard.isNull());
    EXPECT_FALSE(labelGuard.isNull());
}

void Accumulate(void* first, void* second)
{
    *static_cast<int*>(first) += *static_cast<int*>(second);
}

TEST(CallBoundFunction, CallsTheBoundFunctionWithItsTwoArguments)
{
    int total = 1;
    int add = 4;
    KWBoundFunction record;
    record.pfnCall = &Accumulate;
    record.pFirst = &total;
    record.pSecond = &add;
    EXPECT_EQ(CallBoundFunction(&record), 0);
    EXPECT_EQ(total, 5);
    EXPECT_EQ(CallBoundFunction(nullptr), 0);
    KWBoundFunction empty;
    EXPECT_EQ(CallBoundFunction(&empty), 0);
}

} // namespace
