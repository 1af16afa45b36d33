#include "drivers/RunningProgramWindow.h"

#include <QProgressDialog>

#include "platform/ProgramName.h"

namespace tavrelion::drivers {
namespace {

class RunningProgramWindow : public RunningNotice {
  public:
    RunningProgramWindow(QWidget* parent, const std::string& programName,
                         std::function<void()> cancel)
        : window_(QObject::tr("Running %1 ...").arg(QString::fromStdString(programName)),
                  QObject::tr("&Cancel"), 0, 0, parent) {
        window_.setWindowTitle(QString::fromLatin1(platform::ProgramName));
        window_.setObjectName("programProgress");
        window_.setWindowModality(Qt::WindowModal);
        window_.setMinimumDuration(0);
        QObject::connect(&window_, &QProgressDialog::canceled, &window_, std::move(cancel));
        window_.show();
    }

  private:
    QProgressDialog window_;
};

}  // namespace

std::unique_ptr<RunningNotice> ShowRunningProgram(QWidget* parent, const std::string& programName,
                                                  std::function<void()> cancel) {
    return std::make_unique<RunningProgramWindow>(parent, programName, std::move(cancel));
}

}  // namespace tavrelion::drivers
