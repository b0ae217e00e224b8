#include "ui/frmLang.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QPushButton>

#include "ui/ListSelection.h"
#include "ui/VersionLabel.h"
#include "ui/WindowGeometry.h"

namespace veltrano {

namespace {

constexpr int kClientWidth = 4035;
constexpr int kClientHeight = 2025;
constexpr TwipsRect kCmbLang{1350, 450, 1470, 315};
constexpr TwipsRect kCmdOK{1350, 1320, 1455, 300};

}  // namespace

frmLang::frmLang(RunState& state, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_state(state),
      m_cmbLang(new QComboBox(this)),
      m_cmdOK(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("frmLang"));
    setWindowTitle(QStringLiteral("Veltrano"));
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    setModal(true);

    m_cmbLang->setObjectName(QStringLiteral("cmbLang"));
    m_cmbLang->addItems({QStringLiteral("english"), QStringLiteral("deutsch")});
    placeInTwips(*m_cmbLang, kCmbLang);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    placeInTwips(*m_cmdOK, kCmdOK);
    QWidget::setTabOrder(m_cmbLang, m_cmdOK);

    connect(m_cmbLang, &QComboBox::currentIndexChanged, this, [this] { cmbLang_Click(); });
    connect(m_cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void frmLang::showModal() {
    Form_Load();
    centreOnScreen(*this);
    exec();
}

void frmLang::Form_Load() {
    m_state.gstrLanguage = "english";
    setWindowTitle(windowTitle() + u' ' + versionLabel());
    selectListItem(*m_cmbLang, 0, [this] { cmbLang_Click(); });
}

void frmLang::cmbLang_Click() {
    m_state.gstrLanguage = m_cmbLang->currentText().toStdString();
}

void frmLang::cmdOK_Click() {
    m_closingByOk = true;
    accept();
}

void frmLang::setVisible(bool visible) {
    QDialog::setVisible(visible);
    if (visible) {
        centreOnScreen(*this);
    }
}

void frmLang::reject() {}

void frmLang::closeEvent(QCloseEvent* event) {
    if (m_closingByOk) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace veltrano
