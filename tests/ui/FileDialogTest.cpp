#include "ui/qt/KWQTFileDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace {

// Acts on the file dialog once it is up (the static dialogs are modal and
// return only when it closes). act returns false to be tried again on the
// next tick: the dialog fills its file list in the background and may not
// take a choice at once. A dialog still open after three seconds is
// cancelled, so that a failing test cannot hang.
void WhenDialogShows(std::function<bool(QFileDialog*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, ticks]() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            if (dialog == nullptr || !dialog->isVisible()) {
                continue;
            }
            if (act(dialog) || ++*ticks > 300) {
                if (dialog->isVisible()) {
                    dialog->reject();
                }
                timer->stop();
                timer->deleteLater();
            }
            return;
        }
    });
    timer->start();
}

// QFileDialog::accept is protected; QDialog's is public and virtual.
void Accept(QFileDialog* dialog)
{
    static_cast<QDialog*>(dialog)->accept();
}

struct Buffer {
    Buffer() { std::fill(std::begin(text), std::end(text), L'#'); }
    bool Untouched() const { return text[0] == L'#' && text[1] == L'#'; }
    wchar_t text[1024];
};

TEST(FileDialog, UnknownModeShowsNothingAndSucceeds)
{
    Buffer out;
    EXPECT_EQ(ShowKWFileDialog(out.text, 1024, 7, L"caption", L"", L"", L"", nullptr), 1);
    EXPECT_TRUE(out.Untouched());
}

TEST(FileDialog, CancelReturnsZeroAndLeavesTheBuffer)
{
    for (int mode : { KW_FILEDIALOG_DIRECTORY, KW_FILEDIALOG_OPEN, KW_FILEDIALOG_SAVE }) {
        Buffer out;
        WhenDialogShows([](QFileDialog* dialog) {
            dialog->reject();
            return true;
        });
        EXPECT_EQ(ShowKWFileDialog(out.text, 1024, mode, L"Pick", L"new.txt", L"Text (*.txt)", L"/", nullptr), 0)
            << mode;
        EXPECT_TRUE(out.Untouched()) << mode;
    }
}

TEST(FileDialog, OpenStartsInTheGivenDirectoryAndCopiesTheChoice)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("plan \u00e4.txt"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    QString startedIn;
    WhenDialogShows([&](QFileDialog* dialog) {
        startedIn = dialog->directory().absolutePath();
        // selectFile leaves the name field alone while it has the focus, as
        // the platform may give it; type the name in instead.
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            name->setText(file);
        }
        if (dialog->selectedFiles() != QStringList { file }) {
            return false;
        }
        Accept(dialog);
        return true;
    });
    Buffer out;
    const std::wstring where = dir.path().toStdWString();
    EXPECT_EQ(ShowKWFileDialog(out.text, 1024, KW_FILEDIALOG_OPEN, L"Open", L"", L"Text (*.txt)", where.c_str(), nullptr),
        1);
    EXPECT_EQ(startedIn, QDir(dir.path()).absolutePath());
    EXPECT_EQ(std::wstring(out.text), file.toStdWString());
}

TEST(FileDialog, SaveAndDirectoryStartInTheProgramDirectory)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    QStringList offered;
    WhenDialogShows([&](QFileDialog* dialog) {
        offered = dialog->selectedFiles();
        if (offered.isEmpty()) {
            return false;
        }
        Accept(dialog);
        return true;
    });
    Buffer out;
    EXPECT_EQ(ShowKWFileDialog(out.text, 1024, KW_FILEDIALOG_SAVE, L"Save", L"kw_no_such_file.cfg", L"", L"", nullptr), 1);
    ASSERT_EQ(offered.size(), 1);
    EXPECT_EQ(offered.front(), appDir + QStringLiteral("/kw_no_such_file.cfg"));
    EXPECT_EQ(std::wstring(out.text), offered.front().toStdWString());

    // A path that does not fit is refused whole.
    WhenDialogShows([](QFileDialog* dialog) {
        Accept(dialog);
        return true;
    });
    Buffer small;
    EXPECT_EQ(ShowKWFileDialog(small.text, 3, KW_FILEDIALOG_DIRECTORY, L"Dir", L"", L"", L"", nullptr), 0);
    EXPECT_TRUE(small.Untouched());
}

} // namespace
