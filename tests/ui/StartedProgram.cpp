#include "StartedProgram.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <stdexcept>

namespace veltrano::test {

namespace {

class ShowCounter : public QObject {
  public:
    int shows = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            ++shows;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void makeStartableRoute(const TempRoute& route) {
    route.makeUsableRoute();
    route.writeBytes("WORLD/w-000000+000000.w",
                     "SIMISA@@@@@@@@@@JINX0w0t______\r\n\r\nTr_Worldfile (\r\n)\r\n");
}

void copyDemoRoute(const TempRoute& route) {
    const char* source = std::getenv("VELTRANO_SOURCE_DIR");
    const std::filesystem::path demo =
        std::filesystem::path(source != nullptr ? source : VELTRANO_TEST_SOURCE_DIR) / "examples" /
        "demo-route";
    std::filesystem::copy(demo, route.path(), std::filesystem::copy_options::recursive);
}

StartedProgram::StartedProgram(const TempRoute& route, const QString& language,
                               const std::function<void(StartedProgram&)>& beforeLoad)
    : m_previousDirectory(std::filesystem::current_path()),
      m_answerer(language),
      m_program([this](int status) { m_endings.push_back(status); }),
      m_showCounter(std::make_unique<ShowCounter>()),
      m_window(std::make_unique<frmHaupt>(m_program)) {
    std::filesystem::current_path(route.path());
    m_window->installEventFilter(m_showCounter.get());
    if (beforeLoad) {
        beforeLoad(*this);
    }
    m_window->Form_Load();
}

StartedProgram::~StartedProgram() {
    m_window.reset();
    std::filesystem::current_path(m_previousDirectory);
}

int StartedProgram::shows() const {
    return static_cast<ShowCounter*>(m_showCounter.get())->shows;
}

void StartedProgram::runOnce(Qt::MouseButton button) {
    QTest::mouseClick(control<QPushButton>("cmdCorrectPickups"), button);
    waitUntilIdle();
}

bool StartedProgram::waitUntilIdle(int timeoutMs) {
    return QTest::qWaitFor(
        [this] {
            return !m_window->state().gblnRunning &&
                   control<QPushButton>("cmdCorrectPickups")->isEnabled();
        },
        timeoutMs);
}

int countOf(const QString& haystack, const QString& needle) {
    return static_cast<int>(haystack.count(needle));
}

}  // namespace veltrano::test
