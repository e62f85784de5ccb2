#pragma once
#include "core/Database.h"
#include "masters/TaxRateStore.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QCheckBox;
class QScrollBar;
class QTabWidget;
struct AppState;

// The pages of TabOption, in tab order; gMode opens page gMode (1-based), 0 the first.
namespace OptionPage {
enum : int { General = 0, Tax = 1, Maintenance = 2, TextOutput = 3, Count = 4 };
}

// CheckOption: the first three are on the general page, the last two on the text page.
namespace OptionCheck {
enum : int {
    FindItem = 0, // searches return exact matches only
    Zero = 1,     // no trailing zeros in quantities and prices
    SelText = 2,  // a field selects its text when entered
    Quoted = 3,   // TextDouble: exported items in double quotes
    Title = 4,    // TextTitle: the export begins with the column names
    Count = 5
};
}

// OptionOption: the export separator, stored as its position (TextSeparator).
namespace OptionSeparator {
enum : int { Comma = 0, Tab = 1, Space = 2, Semicolon = 3, Count = 4 };
}

// TextServer: where a PostgreSQL server database is found; BtnServer: what is done
// with it (copy this seat's data there, use it from the next start, go back to the file).
namespace ServerField {
enum : int { Host = 0, Port = 1, Database = 2, User = 3, Count = 4 };
}
namespace ServerCommand {
enum : int { Copy = 0, Use = 1, Local = 2, Count = 3 };
}

// BtnOption: the data-maintenance commands.
namespace OptionCommand {
enum : int { Backup = 0, Restore = 1, Compact = 2, Initialise = 3, Count = 4 };
}

// The options window: display and search preferences, the tax rates the rate lists
// offer, the export format, and the data maintenance. Preferences and rates are kept on
// OK and take effect at once; the maintenance commands act at once, each after its own
// questions. The caller reloads its rate list afterwards.
class KivoraOption : public QDialog {
    Q_OBJECT
public:
    KivoraOption(AppState& state, QWidget* parent = nullptr);

    QTabWidget* TabOption = nullptr;
    std::array<QWidget*, OptionPage::Count> FrameOption{};
    std::array<QCheckBox*, OptionCheck::Count> CheckOption{};
    std::array<QRadioButton*, OptionSeparator::Count> OptionOption{};
    QGroupBox* FrameSeparator = nullptr;
    QLabel* LabelSample = nullptr;
    std::array<QLabel*, TaxRate::Rows> LabelRate{};
    std::array<QLabel*, TaxRate::Rows> LabelOption{};
    std::array<QScrollBar*, TaxRate::Rows> ScrollOption{};
    // The rate of reduced-rate lines (food and the like), 0 % to 20 % like the rows.
    QLabel* LabelReduced = nullptr;
    QScrollBar* ScrollReduced = nullptr;
    std::array<QPushButton*, OptionCommand::Count> BtnOption{};
    std::array<QLineEdit*, ServerField::Count> TextServer{};
    std::array<QPushButton*, ServerCommand::Count> BtnServer{};
    QLabel* LabelServer = nullptr; // where the main database is now
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;

    // The rates as the rows show them.
    TaxRateRows ShownRates() const;
    // True when a maintenance command replaced or emptied the data while the window was
    // open, so that the caller lets go of what it shows.
    bool dataReplaced() const { return m_dataReplaced; }

public slots:
    void onOK();
    void onCommand(int command);
    void ShowSample();

private:
    QWidget* buildGeneralPage();
    QWidget* buildTaxPage();
    QWidget* buildMaintenancePage();
    QWidget* buildTextPage();
    // Adds one rate row (caption, value, scroll bar, "％") to the tax page's grid.
    void addRateRow(QGridLayout* grid, int row);
    // Adds the reduced-rate row below the numbered rows.
    void addReducedRow(QGridLayout* grid);
    void showRate(int row);
    void showReduced();
    void loadValues();
    void loadRates();
    void reopenMain();
    QWidget* buildServerBox(QWidget* parent);
    void showServer();
    // The server the fields name; nothing, after telling the user, when they name none.
    std::optional<ServerDatabase> fieldServer();
    void onServerCommand(int command);
    // Copies this seat's main file to `server`; false, after telling why, when not done.
    bool copyToServer(const ServerDatabase& server);
    // Backup and restore: the folder, its checks and questions, then the copy.
    void copyFiles(int command, const QString& caption);
    // Runs one maintenance step with the hourglass; false (the user told) on failure.
    bool runMaintenance(const std::function<void()>& step);
    // The shown rows hold no rate: told to the user.
    bool refuseNoRate();

    AppState& m_state;
    bool m_dataReplaced = false;
};
