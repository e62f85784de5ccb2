#include "lists/ListWindow.h"

#include "core/AppState.h"
#include "core/SharedRoutines.h"
#include "lists/KivoraDisp.h"
#include "lists/ListQueries.h"
#include "printing/KivoraPrintL.h"
#include "widgets/WidgetRoutines.h"

#include <QHBoxLayout>
#include <QPushButton>

ListWindow::ListWindow(AppState& state, const QString& title, QWidget* parent)
    : QDialog(parent), m_state(state) {
    setWindowTitle(title);
    m_buttons = new QHBoxLayout;
    m_buttons->addStretch();
    BtnDisp = new QPushButton(QStringLiteral("表示(&D)"), this);
    BtnPrint = new QPushButton(QStringLiteral("印刷(&P)"), this);
    BtnExit = new QPushButton(QStringLiteral("終了(&E)"), this);
    for (QPushButton* button : {BtnDisp, BtnPrint, BtnExit}) {
        button->setAutoDefault(false);
        m_buttons->addWidget(button);
    }
    connect(BtnDisp, &QPushButton::clicked, this, &ListWindow::onDisplay);
    connect(BtnPrint, &QPushButton::clicked, this, &ListWindow::onPrint);
    connect(BtnExit, &QPushButton::clicked, this, &QDialog::reject);
}

bool ListWindow::RunQuery() {
    m_state.gResult = -1;
    RunGuarded(m_state, [this] { Query(); });
    return m_state.gResult == 0;
}

void ListWindow::onDisplay() {
    if (!RunQuery())
        return;
    KivoraDisp display(m_state, this);
    display.exec();
}

void ListWindow::onPrint() {
    if (!RunQuery() || !m_state.printers)
        return;
    KivoraPrintL dialog(m_state, *m_state.printers, this);
    dialog.exec();
}

void ListWindow::HandOver(int kind, const ListResult& result, const QString& word) {
    if (result.Rows.isEmpty()) {
        ShowMsg(*m_state.messages, word, Msg::NotFound, Box::Information, m_state.AppTitle);
        m_state.gResult = -1;
        return;
    }
    m_state.RsWork = result.Rows;
    m_state.gDocType = static_cast<quint8>(kind);
    m_state.gHandOff = result.Subtitle;
    m_state.gResult = 0;
}
