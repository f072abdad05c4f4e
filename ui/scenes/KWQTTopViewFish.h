#pragma once
// The fisheye top view: for a ceiling mount, up to four concentric rings of
// equal pixel density around the camera with a legend of coloured dots and
// one label per ring; for a wall mount, a list of five labels. The calculator
// hands over the rings as a map from ground radius to label text; the view
// scales them so that the outermost ring always has the same size. It only
// draws; it never calls back.

#include "ui/api/KWTopViewFish.h"
#include "ui/scenes/KWTopViewFishGeometry.h"

#include <QGraphicsView>

#include <array>
#include <string>
#include <vector>

class QGraphicsLineItem;
class QGraphicsPathItem;
class QGraphicsScene;
class QGraphicsTextItem;
class QPaintEvent;

class CKWQTTopViewFish : public QGraphicsView, public CKWTopViewFish {
public:
    explicit CKWQTTopViewFish(IKWTopViewFishEvent* listener);
    ~CKWQTTopViewFish() override;

    int Create(DWORD style, const RECT& rect, void* parent, UINT id) override;
    void ShowWindow(int show) override;
    // Right and bottom inclusive.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    // This view shows none of the pictures; returns 1.
    int SetImage(LPCWSTR camera, LPCWSTR target, LPCWSTR angleIcon) override;
    void SetParam(double angle, double width) override;
    // Keys are ground radii (only their ratios matter), values the labels.
    // gradient: the innermost ring is filled with a radial gradient.
    void SetRadiusPPM(std::map<double, std::wstring> rings, bool gradient) override;
    void SetInstWay(bool ceiling) override;
    // Kept only: nothing drawn depends on the unit.
    void OnView_ChangeUnit(int metric) override;
    void SetRectTimes(double times) override;

    // The items as drawn, for inspection: rings 1 (outermost) to 4, dots and
    // labels numbered from 1 as in the legend.
    const QGraphicsPathItem* GetRing(int ring) const { return m_rings.at(ring - 1); }
    const QGraphicsPathItem* GetDot(int dot) const { return m_dots.at(dot - 1); }
    const QGraphicsTextItem* GetLabel(int label) const { return m_labels.at(label - 1); }
    const QGraphicsPathItem* GetFifthPath() const { return m_fifthPath; }
    const QGraphicsLineItem* GetHorizontalAxis() const { return m_horizontalAxis; }
    const QGraphicsLineItem* GetVerticalAxis() const { return m_verticalAxis; }

protected:
    // Shapes are rebuilt from the current values before every paint.
    void paintEvent(QPaintEvent* event) override;

private:
    void LayOutCeiling();
    void RebuildShapes();

    QGraphicsScene* m_scene; // child of the view
    QGraphicsLineItem* m_horizontalAxis = nullptr; // items: owned by the scene
    QGraphicsLineItem* m_verticalAxis = nullptr;
    std::array<QGraphicsTextItem*, KW_FISH_LABEL_COUNT> m_labels {};
    std::array<QGraphicsPathItem*, KW_FISH_RING_COUNT> m_rings {};
    std::array<QGraphicsPathItem*, KW_FISH_RING_COUNT> m_dots {};
    // Part of the item set, though neither mount shows it.
    QGraphicsPathItem* m_fifthPath = nullptr;

    std::array<double, KW_FISH_RING_COUNT> m_radius { 125.0, 100.0, 75.0, 50.0 };
    double m_dotRadius = 10.0;
    bool m_ceiling = true;
    bool m_gradient = false;
    int m_count = 0;
    std::vector<double> m_keys; // ascending
    std::vector<std::wstring> m_texts; // in the order of m_keys
    bool m_metric = true;
    double m_rectTimes = 1.0;
};
