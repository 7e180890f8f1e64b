#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace mk21 {

// The open and save file dialogs of the document commands; nothing when the user cancels.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> openFile(const QString& filter) = 0;
    virtual std::optional<QString> saveFile(const QString& filter, const QString& preset) = 0;
};

// The dialogs on Qt's file dialog, modal to the main window.
class QtFileDialogs final : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}
    std::optional<QString> openFile(const QString& filter) override;
    std::optional<QString> saveFile(const QString& filter, const QString& preset) override;

private:
    QWidget* parent_ = nullptr; // not owned
};

} // namespace mk21
