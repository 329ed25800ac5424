<?xml version="1.0"?>
<!-- A stylesheet whose XSL-FO has values lint fixes: in literal result
     elements, in xsl:attribute text (across lines, in xsl:text) and in an
     attribute set. Fixed, it must still run and write the same document with
     those values fixed. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
                xmlns:fo="http://www.w3.org/1999/XSL/Format">
  <xsl:attribute-set name="para">
    <xsl:attribute name="color">rgb(20%,20%,60%)</xsl:attribute>
  </xsl:attribute-set>
  <xsl:template match="/">
    <fo:root>
      <fo:block margin-left="2em " font-size="{string-length('x')}pt"
                xsl:use-attribute-sets="para">
        <xsl:attribute name="margin-right">1cm
        </xsl:attribute>
        <xsl:attribute name="margin-top">
          <xsl:text>3pt </xsl:text>
        </xsl:attribute>
        <xsl:text>text</xsl:text>
      </fo:block>
    </fo:root>
  </xsl:template>
</xsl:stylesheet>
