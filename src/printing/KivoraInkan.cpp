#include "printing/KivoraInkan.h"

#include "core/AppState.h"
#include "core/MessageService.h"
#include "core/SettingsStore.h"
#include "core/SharedRoutines.h"
#include "printing/PrinterService.h"
#include "printing/TitleLabel.h"
#include "widgets/WidgetRoutines.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <optional>

namespace {

// The size the printing falls back to when nothing is stored. Showing "0.0" here, as the
// window once did, made 設定する without typing store a seal too small to see.
const QString kDefaultSize = QStringLiteral("1.0");
// The largest size the messages allow ("0～20"), in units of 10 mm.
constexpr double kMaxSize = 20.0;

bool isExistingFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

// The field as a number. Full-width digits, as an input method types them, count as
// digits.
std::optional<double> numberOf(const QLineEdit* field) {
    const QString text = field->text().normalized(QString::NormalizationForm_KC).trimmed();
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// "#0.0": one decimal, rounded half away from zero.
QString sizeText(double value) {
    return QString::number(std::round(value * 10.0) / 10.0, 'f', 1);
}

} // namespace

KivoraInkan::KivoraInkan(AppState& state, PrinterService& service, QWidget* parent)
    : QDialog(parent), m_state(state), m_service(service) {
    setObjectName(QStringLiteral("KivoraInkan"));
    setWindowTitle(QStringLiteral("印鑑設定"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const QString titles[InkanTitle::Count] = {
        QStringLiteral("画像パス"), QStringLiteral("画像イメージ"), QStringLiteral("印字（横）"),
        QStringLiteral("印字（縦）")};
    for (int i = 0; i < InkanTitle::Count; ++i) {
        LabelTitle[i] = TitleLabel(titles[i], this);
        LabelTitle[i]->setObjectName(QStringLiteral("LabelTitle%1").arg(i));
        LabelTitle[i]->setMinimumWidth(90);
    }
    LabelPath = new QLabel(this);
    LabelPath->setObjectName(QStringLiteral("LabelPath"));
    LabelPath->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    LabelPath->setMinimumWidth(280);
    LabelPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    imgInkan = new QLabel(this);
    imgInkan->setObjectName(QStringLiteral("imgInkan"));
    imgInkan->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    imgInkan->setFixedSize(96, 96);
    imgInkan->setScaledContents(true); // the picture is stretched to the control
    txtTate = new QLineEdit(this);
    txtTate->setObjectName(QStringLiteral("txtTate"));
    txtYoko = new QLineEdit(this);
    txtYoko->setObjectName(QStringLiteral("txtYoko"));
    for (QLineEdit* field : {txtTate, txtYoko}) {
        field->setFixedWidth(60);
        field->setAlignment(Qt::AlignRight);
        AttachSelectOnFocus(field, m_state);
    }
    cmdFile = new QPushButton(QStringLiteral("参照(&R)..."), this);
    cmdFile->setObjectName(QStringLiteral("cmdFile"));
    cmdSet = new QPushButton(QStringLiteral("設定する(&S)"), this);
    cmdSet->setObjectName(QStringLiteral("cmdSet"));
    cmdClear = new QPushButton(QStringLiteral("設定クリア(&C)"), this);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    for (QPushButton* button : {cmdFile, cmdSet, cmdClear})
        button->setAutoDefault(false);
    connect(cmdFile, &QPushButton::clicked, this, &KivoraInkan::ChooseFile);
    connect(cmdSet, &QPushButton::clicked, this, &KivoraInkan::StoreSeal);
    connect(cmdClear, &QPushButton::clicked, this, &KivoraInkan::ClearSeal);

    auto* grid = new QGridLayout;
    grid->addWidget(LabelTitle[InkanTitle::Path], 0, 0);
    grid->addWidget(LabelPath, 0, 1, 1, 3);
    grid->addWidget(cmdFile, 0, 4);
    grid->addWidget(LabelTitle[InkanTitle::Image], 1, 0, Qt::AlignTop);
    grid->addWidget(imgInkan, 1, 1, 2, 1);
    grid->addWidget(LabelTitle[InkanTitle::Height], 1, 2);
    grid->addWidget(txtTate, 1, 3);
    grid->addWidget(LabelTitle[InkanTitle::Width], 2, 2, Qt::AlignTop);
    grid->addWidget(txtYoko, 2, 3, Qt::AlignTop);
    grid->setColumnStretch(4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSet);
    buttons->addWidget(cmdClear);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    const SettingsStore& settings = *m_state.settings;
    LabelPath->setText(settings.get(QStringLiteral("Inkan"), QString()));
    txtTate->setText(settings.get(QStringLiteral("InkanT"), kDefaultSize));
    txtYoko->setText(settings.get(QStringLiteral("InkanY"), kDefaultSize));
    ShowPicture();
    CenterForm(this, parent ? parent->window() : nullptr);
}

bool KivoraInkan::hasPicture() const {
    return !imgInkan->pixmap().isNull();
}

void KivoraInkan::ShowPicture() {
    const QString path = LabelPath->text();
    if (!isExistingFile(path))
        return;
    // A file that is not a picture leaves the preview as it was.
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (!image.isNull())
        imgInkan->setPixmap(QPixmap::fromImage(image));
}

void KivoraInkan::ChooseFile() {
    const QString path =
        m_service.openFileName(this, windowTitle(), QStringLiteral("画像ファイル (*)"));
    // Only a file that exists is taken: the seal must print from it later.
    if (!isExistingFile(path))
        return;
    LabelPath->setText(path);
    ShowPicture();
}

void KivoraInkan::ClearSeal() {
    if (ShowText(*m_state.messages, QStringLiteral("設定をクリアしてもよろしいですか？"),
                 Box::QuestionCancel, QStringLiteral("確認")) != MsgOK)
        return;
    LabelPath->clear();
    m_state.settings->save(QStringLiteral("Inkan"), QString());
    imgInkan->clear();
}

bool KivoraInkan::storeSize(QLineEdit* field, const QString& key, const QString& error) {
    const std::optional<double> value = numberOf(field);
    if (!value)
        return true; // no number: the stored size stays, the window closes
    if (*value < 0.0 || *value > kMaxSize) {
        ShowText(*m_state.messages, error, Box::Stop, QStringLiteral("設定エラー"));
        field->setFocus();
        return false;
    }
    field->setText(sizeText(*value));
    m_state.settings->save(key, field->text());
    return true;
}

void KivoraInkan::StoreSeal() {
    const QString path = LabelPath->text();
    if (!isExistingFile(path))
        return;
    m_state.settings->save(QStringLiteral("Inkan"), path);
    // A height that is not a number closes the window without looking at the width.
    if (!numberOf(txtTate)) {
        accept();
        return;
    }
    if (!storeSize(txtTate, QStringLiteral("InkanT"),
                   QStringLiteral("縦は0～20の間で設定してください。")))
        return;
    if (!storeSize(txtYoko, QStringLiteral("InkanY"),
                   QStringLiteral("横は0～20の間で設定してください。")))
        return;
    accept();
}
