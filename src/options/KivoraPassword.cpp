#include "options/KivoraPassword.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/SharedRoutines.h"
#include "options/PassFile.h"
#include "widgets/WidgetRoutines.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Typed password digits show as "*", whatever the desktop style's own mask character.
class StarMaskStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// A wrong password is told twice; the third ends the dialog.
constexpr int MaxWrongEntries = 3;

QString passwordFile(const AppState& state) {
    return state.DataFolder + QStringLiteral("Kivora.CPR");
}

} // namespace

KivoraPassword::KivoraPassword(AppState& state, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("KivoraPassword"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* style = new StarMaskStyle;
    style->setParent(this);

    auto* grid = new QGridLayout;
    for (int i = 0; i < PassField::Count; ++i) {
        LabelPass[i] = new QLabel(this);
        TextPass[i] = new QLineEdit(this);
        TextPass[i]->setObjectName(QStringLiteral("TextPass%1").arg(i));
        TextPass[i]->setEchoMode(QLineEdit::Password);
        TextPass[i]->setStyle(style);
        AsciiOnly(TextPass[i]);
        TextPass[i]->setMinimumWidth(160);
        AttachLimitLength(TextPass[i], 11);
        AttachSelectOnFocus(TextPass[i], m_state);
        TextPass[i]->installEventFilter(this);
        grid->addWidget(LabelPass[i], i, 0);
        grid->addWidget(TextPass[i], i, 1);
    }
    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    connect(BtnOK, &QPushButton::clicked, this, &KivoraPassword::onOK);
    connect(BtnCancel, &QPushButton::clicked, this, &KivoraPassword::onCancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    if (!PassFile(passwordFile(m_state), true, m_storedFirst, m_storedSecond)) {
        // A damaged file protects nothing (deleting it removes the password too), so it
        // reads as no password rather than locking the user out of the data.
        m_storedFirst.clear();
        m_storedSecond.clear();
    }
    m_state.gResult = DialogResult::Cancelled;
    const QString caption = m_state.gCaption;
    if (m_state.gMode == PasswordMode::Check) {
        setWindowTitle(caption + QStringLiteral("確認"));
        LabelPass[PassField::Password]->setText(caption);
    } else {
        setWindowTitle(caption + QStringLiteral("設定"));
        if (m_state.gMode == PasswordMode::Change && !m_storedFirst.isEmpty()) {
            LabelPass[PassField::Password]->setText(QStringLiteral("旧") + caption);
            LabelPass[PassField::NewPassword]->setText(QStringLiteral("新") + caption);
        } else {
            m_state.gMode = PasswordMode::Set;
            m_state.gResult = DialogResult::Ok;
            LabelPass[PassField::Password]->setText(caption);
        }
    }
    const bool two = m_state.gMode == PasswordMode::Change;
    LabelPass[PassField::NewPassword]->setVisible(two);
    TextPass[PassField::NewPassword]->setVisible(two);
    adjustSize();
    if (parent)
        CenterForm(this, parent->window());
    else
        CenterForm(this);
    TextPass[PassField::Password]->setFocus();
}

void KivoraPassword::onOK() {
    const QString first = TextPass[PassField::Password]->text();
    const QString second = TextPass[PassField::NewPassword]->text();
    if (first.isEmpty())
        return;
    const QString caption = m_state.gCaption;
    if (!IsDigits(first) ||
        (m_state.gMode == PasswordMode::Change && !second.isEmpty() && !IsDigits(second))) {
        ShowMsg(*m_state.messages, caption, Msg::Digits, Box::Exclamation, m_state.AppTitle);
        return;
    }
    if (m_state.gMode == PasswordMode::Change || m_state.gMode == PasswordMode::Check) {
        bool matches = false;
        {
            BusyCursor busy;
            matches = VerifyPassword(first, m_storedFirst, m_storedSecond);
        }
        if (!matches) {
            ++m_wrong;
            if (m_wrong < MaxWrongEntries) {
                ShowMsg(*m_state.messages, caption + QStringLiteral("が違います"), Msg::SubjectOnly,
                        Box::Stop, m_state.AppTitle);
                TextPass[PassField::Password]->setFocus();
                SelectOnFocus(TextPass[PassField::Password], m_state.SelText);
                return;
            }
            m_state.gResult = DialogResult::Cancelled;
            done(QDialog::Rejected);
            return;
        }
        m_state.gResult = DialogResult::Ok;
    }
    if ((m_state.gMode == PasswordMode::Set || m_state.gMode == PasswordMode::Change) &&
        m_state.gResult == DialogResult::Ok)
        storePassword(m_state.gMode == PasswordMode::Set ? first : second);
    done(m_state.gResult == DialogResult::Ok ? QDialog::Accepted : QDialog::Rejected);
}

void KivoraPassword::storePassword(const QString& digits) {
    BusyCursor busy;
    const StoredPassword record = MakeStoredPassword(digits);
    QString text1 = record.hash;
    QString text2 = record.salt;
    const bool hashed = digits.isEmpty() || !record.hash.isEmpty();
    if (!hashed || !PassFile(passwordFile(m_state), false, text1, text2)) {
        m_state.gResult = DialogResult::Cancelled;
        ShowMsg(*m_state.messages, QStringLiteral("パスワードを保存できませんでした"),
                Msg::SubjectOnly, Box::Stop, m_state.AppTitle);
    }
}

void KivoraPassword::onCancel() {
    m_state.gResult = DialogResult::Cancelled;
    done(QDialog::Rejected);
}

void KivoraPassword::reject() {
    onCancel();
}

bool KivoraPassword::eventFilter(QObject* watched, QEvent* event) {
    if (IsEnterKey(event)) {
        // Enter moves on like Tab, so the digits can be typed and confirmed from the
        // keyboard without the dialog's default button firing early.
        focusNextChild();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
