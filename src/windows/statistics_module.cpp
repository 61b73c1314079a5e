// The statistics module: Qt Charts is loaded with it, when the window is
// first opened.

#include "windows/modules/statistics_module.h"
#include "windows/statistics_window.h"

namespace veltrano {

class StatisticsModule : public QObject, public StatisticsWindowMaker {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VeltranoStatisticsWindowMaker_iid)
    Q_INTERFACES(veltrano::StatisticsWindowMaker)

public:
    std::unique_ptr<QDialog> makeWindow(const StatisticsPage &page, QWidget *parent) override
    {
        return std::make_unique<StatisticsWindow>(page, parent);
    }
};

} // namespace veltrano

#include "statistics_module.moc"
