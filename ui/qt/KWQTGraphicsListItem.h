#pragma once
// One entry of the graphic list: a picture, the file's name with two further
// lines of text beside it, an optional progress fill, the selection and
// hover highlight, and a delete button drawn while the mouse is over the
// entry. Clicks are reported through the listener of the list that shows it.

#include "ui/api/KWGraphicList.h"

#include <QGraphicsItem>
#include <QPixmap>
#include <QRect>

#include <array>
#include <string>

class QGraphicsPixmapItem;
class QGraphicsTextItem;
class IKWGraphicListEvent;

class CKWQTGraphicsListItem : public QGraphicsItem {
public:
    enum { HOVER_NONE = 0, HOVER_ENTRY = 1, HOVER_BUTTON = 2, HOVER_PRESSED = 3 };

    CKWQTGraphicsListItem(int width, int height, int scale);
    ~CKWQTGraphicsListItem() override;
    CKWQTGraphicsListItem(const CKWQTGraphicsListItem&) = delete;
    CKWQTGraphicsListItem& operator=(const CKWQTGraphicsListItem&) = delete;

    // Takes the record, loads the picture and the delete button's normal,
    // hover and pressed images from the skin directory, and lays out the
    // picture and the three lines of text.
    void Setup(const tagGListItem_Info& info, const std::array<std::wstring, 3>& buttonImages);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    const tagGListItem_Info& Info() const { return m_info; }
    int ID() const { return m_info.nID; }
    // From a path as given (not the skin directory).
    void SetPicture(const std::wstring& path);
    void SetLine2(const std::wstring& text);
    void SetLine3(const std::wstring& text);
    void SetProgress(int pos);
    void SetSelected(bool selected);

    // For inspection.
    bool IsSelected() const { return m_selected; }
    int Progress() const { return m_progress; }
    int HoverState() const { return m_hover; }
    QRect ButtonRect() const { return m_buttonRect; }
    QGraphicsTextItem* TitleItem() const { return m_title; }
    QGraphicsTextItem* Line2Item() const { return m_line2; }
    QGraphicsTextItem* Line3Item() const { return m_line3; }
    QGraphicsPixmapItem* PictureItem() const { return m_pictureItem; }

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;

private:
    // The listener of the first view of the scene; null when there is none.
    IKWGraphicListEvent* Listener() const;
    void SetHover(int state);

    tagGListItem_Info m_info;
    int m_width;
    int m_height;
    int m_scale;
    int m_progress = 0;
    bool m_selected = false;
    int m_hover = HOVER_NONE;
    QPixmap m_picture;
    std::array<QPixmap, 3> m_buttons; // normal, hover, pressed
    QRect m_buttonRect;
    QGraphicsTextItem* m_title;          // child item
    QGraphicsTextItem* m_line2;          // child item
    QGraphicsTextItem* m_line3;          // child item
    QGraphicsPixmapItem* m_pictureItem;  // child item
};
