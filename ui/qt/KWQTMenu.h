#pragma once
// The framework's pop-up menu. Entries carry the command ids the application
// gives them; choosing one tells the listener its id before the entry
// triggers, so a checkable entry is still in its old state when the listener
// runs.

#include "ui/api/KWMenu.h"

#include <QMenu>
#include <QPointer>

#include <map>

class QAction;

class CKWQTMenu : public QMenu, public CKWMenu {
    Q_OBJECT

public:
    explicit CKWQTMenu(IKWMenuEvent* listener);
    ~CKWQTMenu() override;

    // Only the parent is used; the menu stays a pop-up.
    int Create(DWORD style, const RECT& rect, void* parent, UINT id) override;
    // The picture (path as given) becomes the menu's base brush.
    int SetSkin(LPCWSTR image) override;
    // Adds another CKWMenu as a sub-menu entry with id, and takes it as a
    // child; null when there is no such menu.
    void* AddMenu(CKWMenu* menu, LPCWSTR icon, LPCWSTR text, int id) override;
    // A plain Qt sub-menu without id; its entries report nothing.
    void* AddMenu(LPCWSTR text) override;
    // At a screen point.
    void Popup(int x, int y) override;
    void* AddAction(LPCWSTR icon, LPCWSTR text, int id) override;
    void* AddAction(LPCWSTR text, int id) override;
    void AddSeparator() override;
    // The operations on an id address the entry last added with it; an
    // unknown id changes nothing (SetActionEnable then returns false).
    bool SetActionEnable(int id, bool enable) override;
    void SetActionCheckable(int id, bool checkable) override;
    void SetActionChecked(int id, bool checked) override;
    void IsActionChecked(int id, bool& checked) override;
    void SetActionVisible(int id, bool visible) override;
    void SetActionText(int id, LPCWSTR text) override;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QAction* ActionOf(int id) const;
    void* Register(QAction* action, int id);
    // The entry a key press will trigger, or null.
    QAction* ActionTriggeredBy(const QKeyEvent* event) const;
    void Report(QAction* action);

    // Not owned: Qt owns the entries; a deleted one reads as null.
    std::map<int, QPointer<QAction>> m_actions;
};
