#pragma once
// Scrolling list of picture entries; constructed directly with its listener (no factory).

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"

#include <string>

// One entry of the graphic list, passed in and out by value.
struct tagGListItem_Info {
    int nValue1 = 0; // carried along unread
    int nValue2 = 0;
    int nValue3 = 0;
    int nValue4 = 0;
    int nID = 0;
    std::wstring strPicture;  // relative to the skin directory
    std::wstring strFilePath; // its last component is the title, the whole path the tool tip
    std::wstring strLine2;
    std::wstring strLine3;
};

class IKWGraphicListEvent {
public:
    virtual void OnListItemClick(int /*id*/) {}
    virtual void OnListItemDelete(int /*id*/) {}
    virtual void OnListItemDbClick(int /*id*/) {}
    virtual void OnListDragEnterEvent(LPCWSTR /*path*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWGraphicListEvent() = default;
};

class CKWGraphicList {
public:
    explicit CKWGraphicList(IKWGraphicListEvent* listener) : m_pListener(listener) {}
    CKWGraphicList(const CKWGraphicList&) = default;
    CKWGraphicList& operator=(const CKWGraphicList&) = default;
    virtual ~CKWGraphicList() = default;

    virtual int Create(DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual int SetSkin(LPCWSTR /*skin*/) { return 0; }
    virtual void* AddListItem(tagGListItem_Info& /*info*/) { return nullptr; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void SetItemSize(int /*width*/, int /*height*/) {}
    virtual void DeleteListItem(int /*id*/) {}
    virtual void DeleteAllListItem() {}
    virtual tagGListItem_Info GetItemInfoByID(int /*id*/) { return tagGListItem_Info(); }
    virtual int GetItemNumber() { return 0; }
    virtual void SetItemPicture(int /*id*/, std::wstring /*picture*/) {}
    virtual void SetItemFileTime(int /*id*/, std::wstring /*time*/) {}
    virtual void SetItemFileSize(int /*id*/, std::wstring /*size*/) {}
    virtual void SetItemProgressPos(int /*id*/, int /*pos*/) {}
    virtual void ChangeOthersSelectedState(int /*id*/) {}
    virtual void DeleteSelectedItem() {}
    virtual int SetItemBtnSkin(ImageButtonStyle* /*style*/) { return 0; }
    virtual int IsItemIDExist(UINT /*id*/) { return 0; }
    virtual void Set4KSize(int /*large*/) {}
    virtual void SetItemSelected(int /*id*/, bool /*selected*/) {}

protected:
    IKWGraphicListEvent* m_pListener; // not owned
};
