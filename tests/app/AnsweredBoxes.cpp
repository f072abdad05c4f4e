#include "tests/app/AnsweredBoxes.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QVariant>
#include <QWidget>

AnsweredBoxes::AnsweredBoxes()
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] { AnswerOpenBox(); });
    m_timer.start(10);
}

QString AnsweredBoxes::Joined(size_t i) const
{
    return i < m_boxes.size() ? m_boxes[i].join(QLatin1Char('|')) : QString();
}

bool AnsweredBoxes::WaitFor(size_t count, int milliseconds) const
{
    for (QDeadlineTimer patience(milliseconds); m_boxes.size() < count && !patience.hasExpired();) {
        QTest::qWait(10);
    }
    return m_boxes.size() >= count;
}

void AnsweredBoxes::AnswerOpenBox()
{
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr || !box->isVisible()) {
        return;
    }
    QStringList texts { box->windowTitle() };
    for (QWidget* child : box->findChildren<QWidget*>()) {
        const QString text = child->property("text").toString().remove(QChar(0x200B));
        if (!text.isEmpty()) {
            texts << text;
        }
    }
    m_boxes.push_back(texts);
    QTest::keyClick(box, Qt::Key_Return);
}
