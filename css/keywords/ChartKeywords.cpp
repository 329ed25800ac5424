#include "css/keywords/ChartKeywords.h"

namespace Xml {

template class TXmlAttribute<ChartType>;
template class TXmlAttribute<AxisPosition>;
template class TXmlAttribute<LabelType>;
template class TXmlAttribute<SliceOrientation>;
template class TXmlAttribute<TickStyle>;
template class TXmlAttribute<SerieGrouping>;
template class TXmlAttribute<AxisOrientation>;
template class TXmlAttribute<AxisIntersection>;
template class TXmlAttribute<AxisDataType>;
template class TXmlAttribute<DisplayValPlacement>;

}  // namespace Xml
