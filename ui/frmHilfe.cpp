#include "ui/frmHilfe.h"

#include <QCloseEvent>
#include <QLabel>

#include "ui/HelpPicture.h"
#include "ui/WheelPictures.h"
#include "ui/WindowGeometry.h"

namespace veltrano {

namespace {

constexpr int kClientWidth = 9960;
constexpr int kClientHeight = 6720;
constexpr TwipsRect kImgDeu{135, 135, 9645, 6330};
constexpr TwipsRect kImgEng{375, 240, 8970, 6300};

QLabel* makePicture(QWidget* parent, const char* name, const QPixmap& picture) {
    auto* image = new QLabel(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setPixmap(picture);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

}  // namespace

frmHilfe::frmHilfe(const RunState& state)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_state(state),
      m_imgDeu(makePicture(this, "imgDeu", HelpPicture::german())),
      m_imgEng(makePicture(this, "imgEng", HelpPicture::english())) {
    setObjectName(QStringLiteral("frmHilfe"));
    setWindowTitle(QStringLiteral("Veltrano"));
    setWindowIcon(WheelPictures::windowIcon());
    resize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    placeDesignedPictures();
}

void frmHilfe::placeDesignedPictures() {
    placeInTwips(*m_imgDeu, kImgDeu);
    placeInTwips(*m_imgEng, kImgEng);
    m_imgDeu->setVisible(true);
    m_imgEng->setVisible(false);
}

void frmHilfe::showModeless() {
    if (!m_loaded) {
        Form_Load();
        showCentred(*this);
    } else {
        show();
    }
    raise();
    activateWindow();
}

void frmHilfe::Form_Load() {
    m_loaded = true;
    // Both pictures take the same place, so whichever language shows, it shows there.
    m_imgEng->move(m_imgEng->x(), m_imgDeu->y());
    m_imgEng->move(m_imgDeu->x(), m_imgEng->y());
    if (m_state.gstrLanguage == "deutsch") {
        setWindowTitle(QStringLiteral("Hilfe zu Veltrano"));
        m_imgEng->setVisible(false);
        m_imgDeu->setVisible(true);
    } else {
        setWindowTitle(QStringLiteral("Help for Veltrano"));
        m_imgDeu->setVisible(false);
        m_imgEng->setVisible(true);
    }
}

void frmHilfe::closeEvent(QCloseEvent* event) {
    // Unloading: the window keeps nothing of its last load.
    m_loaded = false;
    placeDesignedPictures();
    event->accept();
}

}  // namespace veltrano
