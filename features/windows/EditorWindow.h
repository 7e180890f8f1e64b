#pragma once

#include "features/EditorModel.h"

#include <QHash>
#include <QWidget>

#include <span>

class QCheckBox;
class QKeyEvent;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mk21 {

class ConfigurationState;

// The frame every editor window shares. It builds the controls of the editor's description
// where the window places them, gives them and their labels the language file's texts, shows
// the stored values (storing what the lists show, as a choice would), forwards every choice to
// the description and applies its enabling rules. A window adds only its own layout and what
// its settings draw specially.
class EditorWindow : public QWidget {
    Q_OBJECT
public:
    // Where a control of the description lies in its parent, in twips.
    struct Spot {
        const char* name;
        int left;
        int top;
        int width;
    };

    // The description, with the entries the lists that follow the configuration offer now.
    const Editor::Model& model() const { return model_; }

    // Shows every stored value again, as opening the window does.
    void ShowValues();
    // Shows the stored value of one list again (filled anew when its entries follow the
    // configuration), storing what it shows as a choice would; its dependents follow.
    void ShowList(const QString& name);
    void ShowLists(const QStringList& names);
    // Redraws the title, labels, captions and buttons in the current language.
    void ChangShowByLanguage();
    // Stores what the user is typing in a field stored only on leaving (Write, Save and closing
    // the window ask for it).
    virtual void CommitPendingText();

signals:
    // A control's value was stored (a user's choice or one the window showed).
    void stored(const QString& control);

protected:
    EditorWindow(ConfigurationState& state, Editor::Model model, QWidget* parent);

    // Builds the described controls named in `spots` in `parent`, each with its label, in this
    // order (the order Tab follows).
    void Build(QWidget* parent, std::span<const Spot> spots);
    // Builds Close and the hidden Help in `parent`, Close at (left, top); sets the client size.
    void BuildButtons(QWidget* parent, int left, int top, int clientWidth, int clientHeight);
    // Sets the captions and shows the values: the last step of a window's constructor.
    void Load();
    // The captions a window draws itself (tabs, frames), in the current language.
    virtual void SetOwnCaptions() {}

    QComboBox* list(const QString& name) const;
    QCheckBox* check(const QString& name) const;
    QLineEdit* field(const QString& name) const;
    ConfigurationState& state() const { return state_; }

    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildList(QWidget* parent, const Editor::List& row, const Spot& spot);
    void BuildCheck(QWidget* parent, const Editor::Check& row, const Spot& spot);
    void BuildText(QWidget* parent, const Editor::TextField& row, const Spot& spot);
    QLabel* BuildLabel(QWidget* parent, const QString& name, QWidget* control);
    void PlaceLabels();
    void ListChosen(std::size_t row, int position);
    void Store(std::size_t row, int position);
    void CheckClicked(std::size_t row, bool ticked);
    void TextChanged(std::size_t row, const QString& text);
    void TextLeft(std::size_t row);
    void ApplyEnabling();
    bool TextKeyPress(QLineEdit* box, std::size_t row, const QKeyEvent* key);
    static bool ShownListEvent(QEvent* event);

    ConfigurationState& state_;
    Editor::Model model_;
    QHash<QString, QWidget*> controls_;
    QHash<QWidget*, QLabel*> labels_;
    QPushButton* CommandClose = nullptr;
    QPushButton* CommandHelp = nullptr;
};

} // namespace mk21
