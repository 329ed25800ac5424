#include "css/keywords/AreaKeywords.h"

namespace Xml {

template class TXmlAttribute<AbsolutePosition>;
template class TXmlAttribute<RelativePosition>;
template class TXmlAttribute<Overflow>;
template class TXmlAttribute<FloatPosition>;
template class TXmlAttribute<TableLayout>;
template class TXmlAttribute<BorderCollapse>;
template class TXmlAttribute<BorderStyle>;
template class TXmlAttribute<BackgroundRepeat>;
template class TXmlAttribute<Scaling>;
template class TXmlAttribute<ScalingReference>;
template class TXmlAttribute<AnchorX>;
template class TXmlAttribute<AnchorY>;
template class TXmlAttribute<PositionX>;
template class TXmlAttribute<PositionY>;

}  // namespace Xml
