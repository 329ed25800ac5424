#include "css/keywords/BarcodeKeywords.h"

namespace Xml {

template class TXmlAttribute<BarcodeType>;
template class TXmlAttribute<DMEncoding>;
template class TXmlAttribute<DMFormat>;
template class TXmlAttribute<Code128CodeSet>;

}  // namespace Xml
