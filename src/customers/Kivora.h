#pragma once
#include <QMainWindow>
#include <array>
#include <memory>

class QAction;
class Database;
struct AppState;

// The main window: it shows one customer, opens every other window, and closing it ends
// the program. It owns the open main and postal databases while it lives.
class Kivora : public QMainWindow {
    Q_OBJECT
public:
    explicit Kivora(AppState& state, QWidget* parent = nullptr);
    ~Kivora() override;

    // Opens the main and postal databases and fills the lists that need them. Throws
    // DatabaseError when a database cannot be opened; nothing is left open then.
    void Load();

    std::array<QAction*, 14> MenuBusiness{};
    std::array<QAction*, 5> MenuSlip{};
    std::array<QAction*, 3> MenuBill{};
    std::array<QAction*, 6> MenuList{};
    std::array<QAction*, 5> MenuRegist{};
    std::array<QAction*, 7> MenuTool{};
    std::array<QAction*, 3> MenuHelp{};

public slots:
    void openPassword();
    void openHelp();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void release();

    AppState& m_state;
    std::unique_ptr<Database> m_dbMain;
    std::unique_ptr<Database> m_dbPost;
};
