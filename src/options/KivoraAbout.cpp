#include "options/KivoraAbout.h"

#include "core/AppState.h"
#include "resources/Pictures.h"
#include "widgets/WidgetRoutines.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// The build passes the project's version; these keep a stray build of the file working.
#ifndef KIVORA_VERSION_MAJOR
#define KIVORA_VERSION_MAJOR 1
#endif
#ifndef KIVORA_VERSION_MINOR
#define KIVORA_VERSION_MINOR 0
#endif

namespace {

// The program's version record.
const QString FileDescription = QStringLiteral("顧客・伝票・売掛管理プログラム");
const QString ProductName = QStringLiteral("Kivora");
const QString LegalNotice = QStringLiteral("Copyright (C) 2026 Norv. All rights reserved.");

} // namespace

QString KivoraAbout::VersionText() {
    int major = KIVORA_VERSION_MAJOR;
    int minor = KIVORA_VERSION_MINOR;
    // A version set on the application (a packaged build) wins over the compiled one.
    const QStringList parts = QCoreApplication::applicationVersion().split(QLatin1Char('.'));
    if (parts.size() >= 2) {
        bool majorOk = false, minorOk = false;
        const int m = parts[0].toInt(&majorOk);
        const int n = parts[1].toInt(&minorOk);
        if (majorOk && minorOk) {
            major = m;
            minor = n;
        }
    }
    return QStringLiteral("Version %1.%2").arg(major).arg(minor);
}

KivoraAbout::KivoraAbout(AppState& state, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("KivoraAbout"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(true);

    FrameAbout = new QFrame(this);
    FrameAbout->setObjectName(QStringLiteral("FrameAbout"));
    FrameAbout->setFrameShape(QFrame::Panel);
    FrameAbout->setFrameShadow(QFrame::Sunken);

    ImageAbout = new QLabel(FrameAbout);
    ImageAbout->setObjectName(QStringLiteral("ImageAbout"));
    ImageAbout->setPixmap(Pictures::Emblem().scaledToWidth(148, Qt::SmoothTransformation));

    const std::array<QString, AboutLabel::Count> texts = {FileDescription, ProductName,
                                                          VersionText(), LegalNotice};
    auto* labels = new QVBoxLayout;
    for (size_t i = 0; i < LabelAbout.size(); ++i) {
        LabelAbout[i] = new QLabel(texts[i], FrameAbout);
        LabelAbout[i]->setObjectName(QStringLiteral("LabelAbout%1").arg(i));
        // The labels lie over the frame; its background shows through them.
        LabelAbout[i]->setAutoFillBackground(false);
        LabelAbout[i]->setAttribute(Qt::WA_TranslucentBackground);
        labels->addWidget(LabelAbout[i]);
    }
    labels->addStretch();

    auto* inner = new QHBoxLayout(FrameAbout);
    inner->addWidget(ImageAbout, 0, Qt::AlignTop);
    inner->addSpacing(12);
    inner->addLayout(labels, 1);

    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setDefault(true);
    BtnOK->installEventFilter(this);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(FrameAbout);
    outer->addLayout(buttons);

    adjustSize();
    setFixedSize(size());
    if (parent)
        CenterForm(this, parent->window());
    else
        CenterForm(this);
    BtnOK->setFocus();
}

bool KivoraAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == BtnOK && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const Qt::KeyboardModifiers held =
            key->modifiers() &
            (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (key->key() == Qt::Key_F12 && held == (Qt::ShiftModifier | Qt::ControlModifier)) {
            // Kept for this run only: the main window redraws its frame when we close.
            m_state.FrameStyle = !m_state.FrameStyle;
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
