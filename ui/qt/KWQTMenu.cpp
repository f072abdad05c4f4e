#include "ui/qt/KWQTMenu.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <QAction>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QStyle>

#include <new>

namespace {

QIcon MenuIcon(LPCWSTR path)
{
    QPixmap picture;
    KWLoadPicture(KWToQString(path), picture);
    return QIcon(picture);
}

} // namespace

CKWQTMenu::CKWQTMenu(IKWMenuEvent* listener)
    : QMenu(nullptr)
    , CKWMenu(listener)
{
}

CKWQTMenu::~CKWQTMenu()
{
    m_actions.clear();
}

int CKWQTMenu::Create(DWORD, const RECT&, void* parent, UINT)
{
    // Qt's one-argument setParent would drop the pop-up window type, and a
    // menu that is no longer a pop-up cannot be shown as one.
    setParent(KWWidgetFromHandle(parent), windowFlags());
    // The check mark and the submenu arrow are skin pictures, drawn into
    // the squares the application's style sheet gives them: the style's own
    // glyphs keep one size whatever the scale.
    setStyleSheet(QStringLiteral("QMenu::indicator:checked { image: %1; }"
                                 "QMenu::right-arrow { image: %2; }")
                      .arg(KWPictureStyleUrl(KWSkinImagePath(QStringLiteral("menu_check.png"))),
                          KWPictureStyleUrl(KWSkinImagePath(QStringLiteral("menu_arrow.png")))));
    return 1;
}

int CKWQTMenu::SetSkin(LPCWSTR image)
{
    QPixmap picture;
    KWLoadPicture(KWToQString(image), picture);
    const QBrush brush { picture };
    QPalette pal = palette();
    pal.setBrush(QPalette::Base, brush);
    setPalette(pal);
    return 1;
}

void* CKWQTMenu::Register(QAction* action, int id)
{
    action->setData(id);
    m_actions[id] = action;
    return action;
}

QAction* CKWQTMenu::ActionOf(int id) const
{
    const auto found = m_actions.find(id);
    return found != m_actions.end() ? found->second.data() : nullptr;
}

void* CKWQTMenu::AddMenu(CKWMenu* menu, LPCWSTR icon, LPCWSTR text, int id)
{
    auto* sub = dynamic_cast<QMenu*>(menu);
    if (sub == nullptr) {
        return nullptr;
    }
    // A pop-up opened from this menu must be its child: Wayland grabs a
    // pop-up only under the pop-up that is open, and refuses one that hangs
    // from another window. As its child, the sub-menu is destroyed with this
    // menu.
    if (sub->parentWidget() != this) {
        sub->setParent(this, sub->windowFlags());
    }
    QAction* action = addMenu(sub);
    action->setText(KWToQString(text));
    action->setIcon(MenuIcon(icon));
    return Register(action, id);
}

void* CKWQTMenu::AddMenu(LPCWSTR text)
{
    return addMenu(KWToQString(text));
}

void CKWQTMenu::Popup(int x, int y)
{
    popup(QPoint(x, y));
}

void* CKWQTMenu::AddAction(LPCWSTR icon, LPCWSTR text, int id)
{
    return Register(addAction(MenuIcon(icon), KWToQString(text)), id);
}

void* CKWQTMenu::AddAction(LPCWSTR text, int id)
{
    return Register(addAction(KWToQString(text)), id);
}

void CKWQTMenu::AddSeparator()
{
    addSeparator();
}

bool CKWQTMenu::SetActionEnable(int id, bool enable)
{
    QAction* action = ActionOf(id);
    if (action == nullptr) {
        return false;
    }
    action->setEnabled(enable);
    return true;
}

void CKWQTMenu::SetActionCheckable(int id, bool checkable)
{
    if (QAction* action = ActionOf(id)) {
        action->setCheckable(checkable);
    }
}

void CKWQTMenu::SetActionChecked(int id, bool checked)
{
    if (QAction* action = ActionOf(id)) {
        action->setChecked(checked);
    }
}

void CKWQTMenu::IsActionChecked(int id, bool& checked)
{
    if (QAction* action = ActionOf(id)) {
        checked = action->isChecked();
    }
}

void CKWQTMenu::SetActionVisible(int id, bool visible)
{
    if (QAction* action = ActionOf(id)) {
        action->setVisible(visible);
    }
}

void CKWQTMenu::SetActionText(int id, LPCWSTR text)
{
    if (QAction* action = ActionOf(id)) {
        action->setText(KWToQString(text));
    }
}

void CKWQTMenu::Report(QAction* action)
{
    if (action != nullptr && action->isEnabled() && m_pListener != nullptr) {
        m_pListener->Menu_OnAction(action->data().toInt());
    }
}

void CKWQTMenu::mouseReleaseEvent(QMouseEvent* event)
{
    QAction* action = actionAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        Report(action);
    } else if (action != nullptr && action->menu() == nullptr) {
        // Qt would trigger the entry for the other buttons as well, toggling
        // it behind the listener's back; only the left button chooses.
        event->accept();
        return;
    }
    // Qt then triggers the entry, which toggles a checkable one.
    QMenu::mouseReleaseEvent(event);
}

QAction* CKWQTMenu::ActionTriggeredBy(const QKeyEvent* event) const
{
    QAction* action = nullptr;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        action = activeAction();
        break;
    case Qt::Key_Space:
        if (style()->styleHint(QStyle::SH_Menu_SpaceActivatesItem, nullptr, this) != 0) {
            action = activeAction();
        }
        break;
    default: {
        // A mnemonic triggers its entry when exactly one entry has it; with
        // the style's keyboard search, letters only select.
        const Qt::KeyboardModifiers mods = event->modifiers();
        if (event->text().size() != 1
            || (mods != Qt::NoModifier && mods != Qt::AltModifier && mods != Qt::ShiftModifier)
            || (style()->styleHint(QStyle::SH_Menu_KeyboardSearch, nullptr, this) != 0
                && mods == Qt::NoModifier)) {
            break;
        }
        const int wanted = event->text().at(0).toUpper().unicode();
        int matches = 0;
        for (QAction* candidate : actions()) {
            const QKeySequence mnemonic = QKeySequence::mnemonic(candidate->text());
            if (!mnemonic.isEmpty() && (mnemonic[0].toCombined() & 0xffff) == wanted) {
                ++matches;
                action = candidate;
            }
        }
        if (matches != 1) {
            action = nullptr;
        }
        break;
    }
    }
    // Entries that open a sub-menu, and hidden ones, trigger nothing.
    if (action == nullptr || action->menu() != nullptr || action->isSeparator() || !action->isVisible()) {
        return nullptr;
    }
    return action;
}

void CKWQTMenu::keyPressEvent(QKeyEvent* event)
{
    // The keyboard chooses entries too; the listener hears of them before
    // they trigger, exactly as with the mouse.
    Report(ActionTriggeredBy(event));
    QMenu::keyPressEvent(event);
}

CKWMenu* CreateKWMenu(IKWMenuEvent* listener)
{
    return new (std::nothrow) CKWQTMenu(listener);
}
