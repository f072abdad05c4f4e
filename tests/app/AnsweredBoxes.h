#pragma once
// Answers every modal box that opens while it lives with Return, the way a
// user would, and keeps what each one said: a box the code under test opens
// is then seen and counted instead of waiting for a click no one gives.

#include <QString>
#include <QStringList>
#include <QTimer>

#include <vector>

class AnsweredBoxes {
public:
    AnsweredBoxes();
    AnsweredBoxes(const AnsweredBoxes&) = delete;
    AnsweredBoxes& operator=(const AnsweredBoxes&) = delete;

    // The texts of each box answered, in order: its title and every text of
    // its controls. Break opportunities the program puts into a path (zero
    // width spaces) are left out, so a path reads as it is.
    const std::vector<QStringList>& Boxes() const { return m_boxes; }
    // All the texts of box i in one line, for messages.
    QString Joined(size_t i) const;
    // Lets the event loop run until count boxes have been answered, or for
    // at most the time given; whether they were.
    bool WaitFor(size_t count, int milliseconds = 10000) const;

private:
    void AnswerOpenBox();

    QTimer m_timer;
    std::vector<QStringList> m_boxes;
};
