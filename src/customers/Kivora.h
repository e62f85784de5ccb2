#pragma once
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolBar;
class QToolButton;
class CustomerStore;
class Database;
struct AppState;
struct CustomerRow;

// The main window: it shows one customer, opens every other window for that customer,
// and closing it ends the program. It owns the open main and postal databases.
class Kivora : public QMainWindow {
    Q_OBJECT
public:
    explicit Kivora(AppState& state, QWidget* parent = nullptr);
    ~Kivora() override;

    // Opens the main and postal databases, fills the lists that need them and starts a
    // new customer. Throws DatabaseError when a database cannot be opened; nothing is
    // left open then.
    void Load();

    // Customer record routines.
    void DataNew();
    // Mode 0: the code typed in the code field; 1: the row `row`; 2: ask the customer
    // search. Returns false when the code was refused for a forbidden character.
    bool DataRead(int mode, const CustomerRow* row = nullptr);
    void DataSave();
    void DataDelete();
    void DataMove(int direction);
    void FindClass();

    // The checks before a document window opens for the current customer; true when
    // the window may open (and was opened, when a window for the type is registered).
    bool OpenDocument(int docType, const QString& caption);
    // What opens the document windows (type -1: the receivables window); the program's
    // own windows by default, replaceable for tests. Document menus and work-bar
    // pictures are enabled for the types that have a window.
    void SetDocumentOpener(std::function<void(int docType)> opener);
    // True for the document types whose window is part of the program.
    static bool HasDocumentWindow(int docType);

    // Postal-code lookup and taking an entry of its list.
    void PostLookup();
    void TakeZipEntry(const QString& entry);
    // Puts a looked-up address into 住所１, going on in an empty 住所２ when it is too
    // long; false (the user told) when it fits neither way.
    bool PlaceAddress(const QString& address);

    // Controls, named and numbered as the rest of the program refers to them.
    QToolBar* ToolbarMain = nullptr;
    std::array<QAction*, 12> ToolButton{};
    QFrame* LabelWorkBar = nullptr;
    std::array<QToolButton*, 6> ImageWorkBar{};
    QFrame* LineWorkBar = nullptr;
    std::array<QLineEdit*, 18> TextSlip{};
    std::array<QLabel*, 18> LabelSlip{};
    std::array<QComboBox*, 8> ComboSlip{};
    std::array<QRadioButton*, 2> OptionSlip{};
    QLabel* LabelClass = nullptr;
    QPushButton* BtnClass = nullptr;
    QTabWidget* TabStripSlip = nullptr;
    std::array<QWidget*, 2> FrameSlip{};
    QPushButton* cmd_Post = nullptr;
    QListWidget* List_Zip = nullptr;

    std::array<QAction*, 14> MenuBusiness{};
    std::array<QAction*, 5> MenuSlip{};
    std::array<QAction*, 3> MenuBill{};
    std::array<QAction*, 6> MenuList{};
    std::array<QAction*, 5> MenuRegist{};
    std::array<QAction*, 7> MenuTool{};
    std::array<QAction*, 3> MenuHelp{};

    int UserNum = 0;

public slots:
    void openPassword();
    void openHelp();
    void openAbout();
    void openClassSearch();
    void openCompany();
    void openRegistration(int index);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window (KivoraLayout.cpp).
    void buildToolBar();
    QWidget* buildWorkBar();
    QWidget* buildCustomerForm();
    QWidget* buildPage1();
    QWidget* buildPage2();
    void buildMenus();
    void prepareFields();
    void MoveFrame(QToolButton* image);
    void DrawFrame();

    // Behaviour (Kivora.cpp).
    bool enterPressed(QObject* watched);
    void showRow(const CustomerRow& row);
    void release();
    void openDocumentWindow(int docType);

    AppState& m_state;
    std::unique_ptr<Database> m_dbMain;
    std::unique_ptr<Database> m_dbPost;
    std::unique_ptr<CustomerStore> m_customers;
    std::function<void(int docType)> m_documentOpener;
};
