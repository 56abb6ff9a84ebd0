#include "output/plot_request.h"

namespace zam {

TPlotRequest& PlotRequest()
{
    static TPlotRequest request;
    return request;
}

}
