<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform" xmlns:fo="http://www.w3.org/1999/XSL/Format">
<xsl:attribute-set name="t"><xsl:attribute name="width">3qq</xsl:attribute></xsl:attribute-set>
</xsl:stylesheet>
