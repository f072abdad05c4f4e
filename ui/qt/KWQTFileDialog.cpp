#include "ui/qt/KWQTFileDialog.h"

#include "base/KWQtText.h"

#include <QCoreApplication>
#include <QFileDialog>

#include <algorithm>
#include <string>

namespace {

// Taken once and kept for the rest of the run, as the dialogs always start
// from where the program was found.
const QString& ApplicationDir()
{
    static const QString dir = QCoreApplication::applicationDirPath();
    return dir;
}

} // namespace

int ShowKWFileDialog(wchar_t* out, int capacity, int mode, LPCWSTR caption, LPCWSTR defaultName, LPCWSTR filter,
    LPCWSTR directory, QWidget* parent)
{
    QString chosen;
    switch (mode) {
    case KW_FILEDIALOG_DIRECTORY:
        chosen = QFileDialog::getExistingDirectory(
            parent, KWToQString(caption), ApplicationDir(), QFileDialog::ShowDirsOnly);
        break;
    case KW_FILEDIALOG_OPEN:
        chosen = QFileDialog::getOpenFileName(parent, KWToQString(caption), KWToQString(directory),
            KWToQString(filter), nullptr, QFileDialog::Options());
        break;
    case KW_FILEDIALOG_SAVE:
        chosen = QFileDialog::getSaveFileName(parent, KWToQString(caption),
            ApplicationDir() + QLatin1Char('/') + KWToQString(defaultName), KWToQString(filter), nullptr,
            QFileDialog::Options());
        break;
    default:
        return 1;
    }
    if (chosen.isEmpty()) {
        return 0;
    }
    const std::wstring path = KWFromQString(chosen);
    // A cut path would name another file: refuse it whole.
    if (out == nullptr || capacity < 1 || path.size() > static_cast<size_t>(capacity - 1)) {
        return 0;
    }
    std::copy(path.begin(), path.end(), out);
    out[path.size()] = L'\0';
    return 1;
}
