<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Hlavolam 1.0</source>
        <translation>Hlavolam 1.0</translation>
    </message>
    <message>
        <source>Stylomat %1, verze %2</source>
        <translation>Stylomat %1, version %2</translation>
    </message>
    <message>
        <source>Okno zavřete kliknutím nebo libovolnou klávesou.</source>
        <translation>Close the window with a click or any key.</translation>
    </message>
</context>
<context>
    <name>Baseline</name>
    <message>
        <source>Baseline: široce dostupné od %1</source>
        <translation>Baseline: widely available since %1</translation>
    </message>
    <message>
        <source>Baseline: nově dostupné od %1</source>
        <translation>Baseline: newly available since %1</translation>
    </message>
    <message>
        <source>Omezená podpora: chybí v %1</source>
        <translation>Limited support: not in %1</translation>
    </message>
</context>
<context>
    <name>EditableCombo</name>
    <message>
        <source>Vybrat barvu</source>
        <translation>Choose colour</translation>
    </message>
    <message>
        <source>vybere barvu v dialogu (%1)</source>
        <translation>chooses a colour in a dialog (%1)</translation>
    </message>
    <message>
        <source>Ctrl+↑ a Ctrl+↓ změní číslo u kurzoru o 1, se Shiftem o 10, s Altem o 0,1</source>
        <translation>Ctrl+↑ and Ctrl+↓ change the number at the cursor by 1, with Shift by 10, with Alt by 0.1</translation>
    </message>
</context>
<context>
    <name>Fault</name>
    <message>
        <source>neuzavřený komentář</source>
        <translation>unclosed comment</translation>
    </message>
    <message>
        <source>neuzavřený řetězec</source>
        <translation>unclosed string</translation>
    </message>
    <message>
        <source>řetězec přerušený koncem řádku</source>
        <translation>a string broken by a line break</translation>
    </message>
    <message>
        <source>zpětné lomítko, které nic neuvozuje</source>
        <translation>a backslash that escapes nothing</translation>
    </message>
    <message>
        <source>neuzavřená závorka</source>
        <translation>unclosed bracket</translation>
    </message>
    <message>
        <source>chybně zapsaná adresa url()</source>
        <translation>a badly written url() address</translation>
    </message>
    <message>
        <source>text za koncem pravidla</source>
        <translation>text after the end of the rule</translation>
    </message>
    <message>
        <source>závorka } bez otevírací {</source>
        <translation>a } without its {</translation>
    </message>
    <message>
        <source>před { stojí deklarace, ne selektor</source>
        <translation>declarations, not a selector, before the {</translation>
    </message>
    <message>
        <source>pravidlo se zavináčem (@media, @page…) místo pravidla stylu</source>
        <translation>an at-rule (@media, @page…) instead of a style rule</translation>
    </message>
</context>
<context>
    <name>FindPopup</name>
    <message>
        <source>Najít vlastnost</source>
        <translation>Find property</translation>
    </message>
    <message>
        <source>název nebo slovo z popisu</source>
        <translation>name or a word of the description</translation>
    </message>
    <message>
        <source>Nalezené vlastnosti</source>
        <translation>Properties found</translation>
    </message>
    <message>
        <source>Nic nenalezeno</source>
        <translation>Nothing found</translation>
    </message>
</context>
<context>
    <name>HtmlCanvas</name>
    <message>
        <source>žádná data</source>
        <translation>no data</translation>
    </message>
    <message>
        <source>formát, který náhled nečte</source>
        <translation>a format the preview does not read</translation>
    </message>
    <message>
        <source>PNG je useknuté</source>
        <translation>the PNG is cut short</translation>
    </message>
    <message>
        <source>víc než %1 milionů bodů</source>
        <translation>more than %1 million pixels</translation>
    </message>
    <message>
        <source>obrázek %1: %2</source>
        <translation>picture %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Selektor:</source>
        <translation>Selector:</translation>
    </message>
    <message>
        <source>nastav výchozí hodnoty</source>
        <translation>reset to defaults</translation>
    </message>
    <message>
        <source>vlož styl do schránky</source>
        <translation>copy rule to clipboard</translation>
    </message>
    <message>
        <source>vybere vlastnosti definované v CSS 1</source>
        <translation>selects the properties defined in CSS 1</translation>
    </message>
    <message>
        <source>vybere vlastnosti definované v CSS 2</source>
        <translation>selects the properties defined in CSS 2</translation>
    </message>
    <message>
        <source>Selektor</source>
        <translation>Selector</translation>
    </message>
    <message>
        <source>prvek nebo jiný selektor, pro který pravidlo platí</source>
        <translation>the element or other selector the rule applies to</translation>
    </message>
    <message>
        <source>Zapisovat pouze změněné vlastnosti</source>
        <translation>Write changed properties only</translation>
    </message>
    <message>
        <source>Posun seznamu vlastností</source>
        <translation>Property list position</translation>
    </message>
    <message>
        <source>vybírá, kterých deset vlastností řádky ukazují</source>
        <translation>chooses which ten properties the rows show</translation>
    </message>
    <message>
        <source>Pravidlo stylu</source>
        <translation>Style rule</translation>
    </message>
    <message>
        <source> nebo </source>
        <translation> or </translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>vrátí poslední změnu (%1)</source>
        <translation>takes back the last change (%1)</translation>
    </message>
    <message>
        <source>Znovu</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>provede vrácenou změnu znovu (%1)</source>
        <translation>makes the change taken back again (%1)</translation>
    </message>
    <message>
        <source>Najít vlastnost</source>
        <translation>Find property</translation>
    </message>
    <message>
        <source>najde vlastnost podle názvu nebo slova z popisu (%1)</source>
        <translation>finds a property by its name or a word of its description (%1)</translation>
    </message>
    <message>
        <source>O programu</source>
        <translation>About</translation>
    </message>
    <message>
        <source>ukáže informace o programu (%1)</source>
        <translation>shows information about the program (%1)</translation>
    </message>
    <message>
        <source>Kopírovat pravidlo</source>
        <translation>Copy rule</translation>
    </message>
    <message>
        <source>Kopírovat deklarace</source>
        <translation>Copy declarations</translation>
    </message>
    <message>
        <source>Kopírovat jako atribut style</source>
        <translation>Copy as style attribute</translation>
    </message>
    <message>
        <source>Hodnota vlastnosti %1</source>
        <translation>Value of %1</translation>
    </message>
    <message>
        <source>Náhled</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>ukáže, jak pravidlo vypadá na ukázce prvku (%1)</source>
        <translation>shows how the rule looks on a sample of the element (%1)</translation>
    </message>
    <message>
        <source>vrátí všem vlastnostem výchozí hodnoty; zaškrtnutí, selektor a přepínač zůstanou</source>
        <translation>sets every property back to its default value; ticks, selector and switch stay</translation>
    </message>
    <message>
        <source>vloží pravidlo do schránky; místní nabídka (pravé tlačítko nebo klávesa Menu) zkopíruje jen deklarace nebo atribut style</source>
        <translation>puts the rule on the clipboard; its context menu (right button or the Menu key) copies only the declarations or a style attribute</translation>
    </message>
    <message>
        <source>Pravidlo zkopírováno.</source>
        <translation>Rule copied.</translation>
    </message>
    <message>
        <source>Pravidlo zkopírováno: jen deklarace.</source>
        <translation>Rule copied: declarations only.</translation>
    </message>
    <message>
        <source>Pravidlo zkopírováno: jako atribut style.</source>
        <translation>Rule copied: as a style attribute.</translation>
    </message>
    <message>
        <source>hodnota není v pravidle, dokud je vlastnost nezaškrtnutá</source>
        <translation>the value is not in the rule while the property is unticked</translation>
    </message>
    <message>
        <source>Pravidlo se nepodařilo vložit do schránky.</source>
        <translation>The rule could not be put on the clipboard.</translation>
    </message>
    <message>
        <source>Barva vlastnosti %1</source>
        <translation>Colour of %1</translation>
    </message>
</context>
<context>
    <name>NoEffect</name>
    <message>
        <source>nemá účinek, dokud je position static</source>
        <translation>has no effect while position is static</translation>
    </message>
    <message>
        <source>nemá účinek u řádkového prvku, který není nahrazený (jako span nebo a)</source>
        <translation>has no effect on a non-replaced inline element (such as span or a)</translation>
    </message>
    <message>
        <source>nemá účinek u blokového prvku</source>
        <translation>has no effect on a block</translation>
    </message>
    <message>
        <source>nemá účinek u prvku, který není položkou seznamu (display: list-item, li)</source>
        <translation>has no effect on an element that is no list item (display: list-item, li)</translation>
    </message>
    <message>
        <source>nemá účinek, když je border-collapse collapse</source>
        <translation>has no effect while border-collapse is collapse</translation>
    </message>
    <message>
        <source>nemá účinek u prvku s position absolute nebo fixed</source>
        <translation>has no effect on an element with position absolute or fixed</translation>
    </message>
    <message>
        <source>nemá účinek u řádkového prvku</source>
        <translation>has no effect on an inline element</translation>
    </message>
</context>
<context>
    <name>PreviewDocument</name>
    <message>
        <source>mezi dvěma odstavci</source>
        <translation>between two paragraphs</translation>
    </message>
    <message>
        <source>v textu odstavce</source>
        <translation>in the text of a paragraph</translation>
    </message>
    <message>
        <source>jako odkaz v textu odstavce</source>
        <translation>as a link in the text of a paragraph</translation>
    </message>
    <message>
        <source>jako prázdný prvek v textu odstavce</source>
        <translation>as an empty element in the text of a paragraph</translation>
    </message>
    <message>
        <source>jako kreslený obrázek v textu odstavce</source>
        <translation>as a drawn picture in the text of a paragraph</translation>
    </message>
    <message>
        <source>jako seznam o třech položkách</source>
        <translation>as a list of three items</translation>
    </message>
    <message>
        <source>jako prostřední položka seznamu</source>
        <translation>as the middle item of a list</translation>
    </message>
    <message>
        <source>jako seznam definic</source>
        <translation>as a definition list</translation>
    </message>
    <message>
        <source>jako pojem v seznamu definic</source>
        <translation>as a term in a definition list</translation>
    </message>
    <message>
        <source>jako výklad v seznamu definic</source>
        <translation>as a description in a definition list</translation>
    </message>
    <message>
        <source>jako tabulka o třech řádcích</source>
        <translation>as a table of three rows</translation>
    </message>
    <message>
        <source>jako titulek tabulky</source>
        <translation>as the caption of a table</translation>
    </message>
    <message>
        <source>jako prostřední řádek tabulky</source>
        <translation>as the middle row of a table</translation>
    </message>
    <message>
        <source>jako buňka tabulky</source>
        <translation>as a table cell</translation>
    </message>
    <message>
        <source>jako záhlaví sloupce tabulky</source>
        <translation>as a column header of a table</translation>
    </message>
    <message>
        <source>jako popis skupiny formuláře</source>
        <translation>as the caption of a form group</translation>
    </message>
    <message>
        <source>jako celá ukázka</source>
        <translation>as the whole sample</translation>
    </message>
    <message>
        <source>skrytý, dokud pravidlo nezmění display</source>
        <translation>hidden unless the rule changes display</translation>
    </message>
    <message>
        <source>Příliš žluťoučký kůň úpěl ďábelské ódy.</source>
        <translation>The quick brown fox jumps over the lazy dog.</translation>
    </message>
    <message>
        <source>Ukázka</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>„%1“ (není název vlastnosti)</source>
        <translation>“%1” (no property name)</translation>
    </message>
    <message>
        <source>%1 (hodnota delší než %2 znaků)</source>
        <translation>%1 (value longer than %2 characters)</translation>
    </message>
    <message>
        <source>deklarace od %1. dál (%2)</source>
        <translation>declarations from the %1th on (%2)</translation>
    </message>
    <message>
        <source>%1 (obrázek data: větší než %2 MiB, kreslí se jen zástupný)</source>
        <translation>%1 (data: image larger than %2 MiB, drawn as a placeholder)</translation>
    </message>
    <message>
        <source>%1 (adres url() víc než %2)</source>
        <translation>%1 (more than %2 url() addresses)</translation>
    </message>
    <message>
        <source>Ukázka: &lt;%1&gt; %2</source>
        <translation>Sample: &lt;%1&gt; %2</translation>
    </message>
    <message>
        <source> (selektor nejmenuje prvek)</source>
        <translation> (the selector names no element)</translation>
    </message>
    <message>
        <source> (prvek „%1“ náhled nezná)</source>
        <translation> (the preview does not know the element “%1”)</translation>
    </message>
    <message>
        <source>%1 (jen pro tisk nebo řeč)</source>
        <translation>%1 (for print or speech only)</translation>
    </message>
    <message>
        <source>%1 (náhled je nekreslí)</source>
        <translation>%1 (the preview does not draw them)</translation>
    </message>
    <message>
        <source> Bez účinku: %1.</source>
        <translation> No effect: %1.</translation>
    </message>
    <message>
        <source> Vynecháno: %1.</source>
        <translation> Left out: %1.</translation>
    </message>
    <message>
        <source>%1 (neplatná hodnota)</source>
        <translation>%1 (invalid value)</translation>
    </message>
    <message>
        <source>„%1“ (není deklarace)</source>
        <translation>“%1” (no declaration)</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Náhled</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Náhled nelze vykreslit: %1</source>
        <translation>The preview cannot be drawn: %1</translation>
    </message>
    <message>
        <source>Vykreslení trvalo déle než %1 ms, a tak bylo zastaveno. </source>
        <translation>Drawing took longer than %1 ms and was stopped. </translation>
    </message>
    <message>
        <source> Nelze přečíst: %1.</source>
        <translation> Cannot be read: %1.</translation>
    </message>
</context>
<context>
    <name>Property</name>
    <message>
        <source>sdružená vlastnost určující vlastnosti pozadí prvku</source>
        <translation>shorthand for the element&apos;s background properties</translation>
    </message>
    <message>
        <source>určuje závislost obrázku na pozadí na posunu stránky</source>
        <translation>sets whether the background image scrolls with the page</translation>
    </message>
    <message>
        <source>určuje barvu pozadí</source>
        <translation>sets the background colour</translation>
    </message>
    <message>
        <source>určuje obrázek na pozadí prvku</source>
        <translation>sets the element&apos;s background image</translation>
    </message>
    <message>
        <source>určuje pozici obrázku na pozadí prvku</source>
        <translation>sets the position of the background image</translation>
    </message>
    <message>
        <source>určuje způsob opakování obrázku na pozadí</source>
        <translation>sets how the background image repeats</translation>
    </message>
    <message>
        <source>sdružení vlastnost určující orámování prvku (nahoře-vpravo-dole-vlevo)</source>
        <translation>shorthand for the element&apos;s border (top, right, bottom, left)</translation>
    </message>
    <message>
        <source>sdružená vlastnost určující vlastnosti spodního orámování prvku</source>
        <translation>shorthand for the element&apos;s bottom border</translation>
    </message>
    <message>
        <source>určuje barvu spodního orámování prvku</source>
        <translation>sets the colour of the bottom border</translation>
    </message>
    <message>
        <source>určuje styl spodního orámování prvku</source>
        <translation>sets the style of the bottom border</translation>
    </message>
    <message>
        <source>určuje šířku spodního orámování prvku</source>
        <translation>sets the width of the bottom border</translation>
    </message>
    <message>
        <source>určuje chování orámování v tabulce</source>
        <translation>sets how borders behave in a table</translation>
    </message>
    <message>
        <source>sdružená vlastnost určující barvu orámování prvku (nahoře-vpravo-dole-vlevo)</source>
        <translation>shorthand for the border colours (top, right, bottom, left)</translation>
    </message>
    <message>
        <source>sdružená vlastnost určující vlastnosti levého orámování prvku</source>
        <translation>shorthand for the element&apos;s left border</translation>
    </message>
    <message>
        <source>určuje barvu levého orámování prvku</source>
        <translation>sets the colour of the left border</translation>
    </message>
    <message>
        <source>určuje styl levého orámování prvku</source>
        <translation>sets the style of the left border</translation>
    </message>
    <message>
        <source>určuje šířku levého orámování prvku</source>
        <translation>sets the width of the left border</translation>
    </message>
    <message>
        <source>sdružená vlastnost určující vlastnosti pravého orámování prvku</source>
        <translation>shorthand for the element&apos;s right border</translation>
    </message>
    <message>
        <source>určuje barvu pravého orámování prvku</source>
        <translation>sets the colour of the right border</translation>
    </message>
    <message>
        <source>určuje styl pravého orámování prvku</source>
        <translation>sets the style of the right border</translation>
    </message>
    <message>
        <source>určuje šířku pravého orámování prvku</source>
        <translation>sets the width of the right border</translation>
    </message>
    <message>
        <source>určuje vzdálenost mezi orámováním sousedících buňek</source>
        <translation>sets the distance between the borders of adjacent cells</translation>
    </message>
    <message>
        <source>sdružená vlastnost určující styl orámování prvku (nahoře-vpravo-dole-vlevo)</source>
        <translation>shorthand for the border styles (top, right, bottom, left)</translation>
    </message>
    <message>
        <source>sdružená vlastnost určující vlastnosti horního orámování prvku</source>
        <translation>shorthand for the element&apos;s top border</translation>
    </message>
    <message>
        <source>určuje barvu horního orámování prvku</source>
        <translation>sets the colour of the top border</translation>
    </message>
    <message>
        <source>určuje styl horního orámování prvku</source>
        <translation>sets the style of the top border</translation>
    </message>
    <message>
        <source>určuje šířku horního orámování prvku</source>
        <translation>sets the width of the top border</translation>
    </message>
    <message>
        <source>sdružená vlastnost určující šířku orámování prvku (nahoře-vpravo-dole-vlevo)</source>
        <translation>shorthand for the border widths (top, right, bottom, left)</translation>
    </message>
    <message>
        <source>určuje vzdálenost prvku zdola</source>
        <translation>sets the element&apos;s offset from the bottom</translation>
    </message>
    <message>
        <source>určuje polohu popisku vzhledem k tabulce</source>
        <translation>sets where the caption stands beside its table</translation>
    </message>
    <message>
        <source>určuje stranu prvku, ze které nesmí být obtékán</source>
        <translation>sets the sides on which no floating element may stand</translation>
    </message>
    <message>
        <source>určuje tvar prvku</source>
        <translation>sets the element&apos;s visible area</translation>
    </message>
    <message>
        <source>určuje barvu textu</source>
        <translation>sets the text colour</translation>
    </message>
    <message>
        <source>generuje prvky ve spojení s pseudoprvky :before a :after</source>
        <translation>generates content with the :before and :after pseudo-elements</translation>
    </message>
    <message>
        <source>určuje změnu čítače při výskytu selektoru</source>
        <translation>sets how counters grow where the selector matches</translation>
    </message>
    <message>
        <source>určuje výchozí hodnotu čítače</source>
        <translation>sets the starting value of counters</translation>
    </message>
    <message>
        <source>určuje vzhled kurzoru myši pro daný prvek</source>
        <translation>sets the mouse cursor over the element</translation>
    </message>
    <message>
        <source>určuje směr psaní textu</source>
        <translation>sets the direction of writing</translation>
    </message>
    <message>
        <source>určuje zobrazení prvku</source>
        <translation>sets how the element is displayed</translation>
    </message>
    <message>
        <source>určuje obtékání buňek s neviditelným obsahem</source>
        <translation>sets whether cells without visible content show borders</translation>
    </message>
    <message>
        <source>určuje obtékání prvku</source>
        <translation>sets to which side the element floats</translation>
    </message>
    <message>
        <source>sdružená vlastnost určující vlastnosti písma</source>
        <translation>shorthand for the font properties</translation>
    </message>
    <message>
        <source>určuje rodinu písma</source>
        <translation>sets the font family</translation>
    </message>
    <message>
        <source>určuje velikost písma</source>
        <translation>sets the font size</translation>
    </message>
    <message>
        <source>určuje úpravu velikosti substituovaného písma</source>
        <translation>sets how a substitute font is resized</translation>
    </message>
    <message>
        <source>určuje roztažení písma</source>
        <translation>sets how wide or narrow the font is</translation>
    </message>
    <message>
        <source>určuje styl písma</source>
        <translation>sets the font style</translation>
    </message>
    <message>
        <source>určuje zobrazení kapitálek</source>
        <translation>sets whether small capitals are used</translation>
    </message>
    <message>
        <source>určuje tučnost písma</source>
        <translation>sets the font weight</translation>
    </message>
    <message>
        <source>určuje výšku prvku</source>
        <translation>sets the element&apos;s height</translation>
    </message>
    <message>
        <source>určuje vzdálenost prvku zleva</source>
        <translation>sets the element&apos;s offset from the left</translation>
    </message>
    <message>
        <source>určuje mezery mezi znaky</source>
        <translation>sets the spacing between letters</translation>
    </message>
    <message>
        <source>určuje vzdálenost mezi řádky (rozpal)</source>
        <translation>sets the distance between lines (leading)</translation>
    </message>
    <message>
        <source>sdružená vlastnost určující vlastnosti odrážek</source>
        <translation>shorthand for the list marker properties</translation>
    </message>
    <message>
        <source>určuje obrázek zastupující odrážku</source>
        <translation>sets an image as the list marker</translation>
    </message>
    <message>
        <source>určuje polohu odrážek</source>
        <translation>sets where the list markers stand</translation>
    </message>
    <message>
        <source>určuje typ odrážek (číslování)</source>
        <translation>sets the kind of list marker (numbering)</translation>
    </message>
    <message>
        <source>sdružená vlastnost určující velikost okrajů prvku (nahoře-vpravo-dole-vlevo)</source>
        <translation>shorthand for the element&apos;s margins (top, right, bottom, left)</translation>
    </message>
    <message>
        <source>určuje velikost dolního okraje prvku</source>
        <translation>sets the bottom margin</translation>
    </message>
    <message>
        <source>určuje velikost levého okraje prvku</source>
        <translation>sets the left margin</translation>
    </message>
    <message>
        <source>určuje velikost pravého okraje prvku</source>
        <translation>sets the right margin</translation>
    </message>
    <message>
        <source>určuje velikost horního okraje prvku</source>
        <translation>sets the top margin</translation>
    </message>
    <message>
        <source>určuje vzdálenost odrážek od textu</source>
        <translation>sets the distance between a marker and its text</translation>
    </message>
    <message>
        <source>určuje maximální výšku prvku</source>
        <translation>sets the element&apos;s maximum height</translation>
    </message>
    <message>
        <source>určuje maximální šířku prvku</source>
        <translation>sets the element&apos;s maximum width</translation>
    </message>
    <message>
        <source>určuje minimální výšku prvku</source>
        <translation>sets the element&apos;s minimum height</translation>
    </message>
    <message>
        <source>určuje minimální šířku prvku</source>
        <translation>sets the element&apos;s minimum width</translation>
    </message>
    <message>
        <source>sdružená vlastnost určující vlastnosti ohraničení prvku</source>
        <translation>shorthand for the element&apos;s outline</translation>
    </message>
    <message>
        <source>určuje barvu ohraničení prvku</source>
        <translation>sets the outline colour</translation>
    </message>
    <message>
        <source>určuje styl ohraničení prvku</source>
        <translation>sets the outline style</translation>
    </message>
    <message>
        <source>určuje šířku ohraničení prvku</source>
        <translation>sets the outline width</translation>
    </message>
    <message>
        <source>určuje oříznutí obsahu prvku</source>
        <translation>sets whether content that does not fit is clipped</translation>
    </message>
    <message>
        <source>sdružená vlastnost určující výplň prvku (nahoře-vpravo-dole-vlevo)</source>
        <translation>shorthand for the element&apos;s padding (top, right, bottom, left)</translation>
    </message>
    <message>
        <source>určuje výplň prvku dole</source>
        <translation>sets the bottom padding</translation>
    </message>
    <message>
        <source>určuje výplň prvku vlevo</source>
        <translation>sets the left padding</translation>
    </message>
    <message>
        <source>určuje výplň prvku vpravo</source>
        <translation>sets the right padding</translation>
    </message>
    <message>
        <source>určuje výplň prvku nahoře</source>
        <translation>sets the top padding</translation>
    </message>
    <message>
        <source>určuje umístění prvku</source>
        <translation>sets how the element is positioned</translation>
    </message>
    <message>
        <source>určuje vzhled uvozovek</source>
        <translation>sets the quotation marks</translation>
    </message>
    <message>
        <source>určuje vzdálenost prvku zprava</source>
        <translation>sets the element&apos;s offset from the right</translation>
    </message>
    <message>
        <source>určuje rozvržení tabulky</source>
        <translation>sets how the table is laid out</translation>
    </message>
    <message>
        <source>určuje zarovnání textu</source>
        <translation>sets the text alignment</translation>
    </message>
    <message>
        <source>určuje ozdobný text</source>
        <translation>sets the text decoration</translation>
    </message>
    <message>
        <source>určuje odsazení první řádky textu</source>
        <translation>sets the indent of the first line</translation>
    </message>
    <message>
        <source>určuje stínování textu</source>
        <translation>sets the text shadow</translation>
    </message>
    <message>
        <source>určuje velikost písma</source>
        <comment>text-transform</comment>
        <translation>sets the capitalisation of the text</translation>
    </message>
    <message>
        <source>určuje vzdálenost prvku zhora</source>
        <translation>sets the element&apos;s offset from the top</translation>
    </message>
    <message>
        <source>určuje svislé zarovnání obsahu prvku</source>
        <translation>sets the vertical alignment</translation>
    </message>
    <message>
        <source>určuje viditelnost prvku</source>
        <translation>sets whether the element is visible</translation>
    </message>
    <message>
        <source>určuje zacházení s mezerovými znaky v textu</source>
        <translation>sets how white space in the text is handled</translation>
    </message>
    <message>
        <source>určuje šířku prvku</source>
        <translation>sets the element&apos;s width</translation>
    </message>
    <message>
        <source>určuje velikost mezer mezi slovy</source>
        <translation>sets the spacing between words</translation>
    </message>
    <message>
        <source>určuje pořadí prvku na ose z</source>
        <translation>sets the element&apos;s stacking order</translation>
    </message>
</context>
<context>
    <name>ReadNote</name>
    <message>
        <source> a další (%1)</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>Převzato deklarací: %1.</source>
        <translation>Declarations taken: %1.</translation>
    </message>
    <message>
        <source>Přepsáno: %1.</source>
        <translation>Overridden: %1.</translation>
    </message>
    <message>
        <source>Vynecháno, přepíše je sdružená vlastnost: %1.</source>
        <translation>Left out, as a shorthand overrides them: %1.</translation>
    </message>
    <message>
        <source>Neznámé vlastnosti ponechány: %1.</source>
        <translation>Unknown properties kept: %1.</translation>
    </message>
    <message>
        <source>Ponecháno jiných částí: %1.</source>
        <translation>Other pieces kept: %1.</translation>
    </message>
    <message>
        <source>Volba „Zapisovat pouze změněné vlastnosti“ vypnuta: pravidlo uvádí výchozí hodnoty.</source>
        <translation>“Write changed properties only” turned off: the rule gives default values.</translation>
    </message>
    <message>
        <source>Ponecháno záložních deklarací: %1.</source>
        <translation>Fallback declarations kept: %1.</translation>
    </message>
    <message>
        <source>Některé deklarace zůstávají v pořadí textu, aby platilo totéž.</source>
        <translation>Some declarations keep the text&apos;s order, so that the same ones win.</translation>
    </message>
    <message>
        <source>Vynecháno komentářů: %1, první %2.</source>
        <translation>Comments left out: %1, the first %2.</translation>
    </message>
    <message>
        <source>Text končí uvnitř pravidla: uzavřeno na konci.</source>
        <translation>The text ends inside the rule: closed at its end.</translation>
    </message>
    <message>
        <source>Pravidlo nelze načíst: %1 %2. Text zůstává, jak je napsán.</source>
        <translation>The rule cannot be read: %1 %2. The text stays as written.</translation>
    </message>
    <message>
        <source>(řádek %1, znak %2)</source>
        <translation>(line %1, character %2)</translation>
    </message>
</context>
<context>
    <name>RulePane</name>
    <message>
        <source>…(%1 znaků)…</source>
        <translation>…(%1 characters)…</translation>
    </message>
    <message>
        <source>Vyjmout</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Kopírovat výběr</source>
        <translation>Copy selection</translation>
    </message>
    <message>
        <source>Vložit</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Vybrat vše</source>
        <translation>Select all</translation>
    </message>
</context>
<context>
    <name>ValueGrammar</name>
    <message>
        <source>CSS 2.1 hodnotu vypustila a nic ji nenahrazuje</source>
        <translation>CSS 2.1 dropped this value and nothing replaces it</translation>
    </message>
    <message>
        <source>CSS 2.1 hodnotu vypustila; nahrazuje ji pseudoprvek ::marker</source>
        <translation>CSS 2.1 dropped this value; the ::marker pseudo-element replaces it</translation>
    </message>
    <message>
        <source>CSS 2.1 hodnotu vypustila; CSS Display 3 ji vrací, prohlížeče ji ale neznají</source>
        <translation>CSS 2.1 dropped this value; CSS Display 3 brings it back, but browsers do not know it</translation>
    </message>
    <message>
        <source>CSS 2.1 vlastnost vypustila; nahrazuje ji pseudoprvek ::marker</source>
        <translation>CSS 2.1 dropped this property; the ::marker pseudo-element replaces it</translation>
    </message>
    <message>
        <source>CSS 2.1 vlastnost vypustila; nahrazuje ji deskriptor marks pravidla @page (CSS Paged Media)</source>
        <translation>CSS 2.1 dropped this property; the marks descriptor of @page replaces it (CSS Paged Media)</translation>
    </message>
    <message>
        <source>CSS 2.1 vlastnost vypustila; nahrazují ji pojmenované stránky pravidla @page (CSS Paged Media)</source>
        <translation>CSS 2.1 dropped this property; named pages of @page replace it (CSS Paged Media)</translation>
    </message>
    <message>
        <source>CSS 2.1 vlastnost vypustila; nahrazuje ji deskriptor size pravidla @page (CSS Paged Media)</source>
        <translation>CSS 2.1 dropped this property; the size descriptor of @page replaces it (CSS Paged Media)</translation>
    </message>
    <message>
        <source>prázdný řetězec se v CSS píše &quot;&quot;</source>
        <translation>the empty string is written &quot;&quot; in CSS</translation>
    </message>
    <message>
        <source>záporná hodnota není dovolena</source>
        <translation>a negative value is not allowed</translation>
    </message>
    <message>
        <source>hodnota musí být nejméně %1</source>
        <translation>the value must be at least %1</translation>
    </message>
    <message>
        <source>hodnota smí být nejvýše %1</source>
        <translation>the value may be at most %1</translation>
    </message>
    <message>
        <source>chybí jednotka délky</source>
        <translation>the length unit is missing</translation>
    </message>
    <message>
        <source>neplatná jednotka</source>
        <translation>invalid unit</translation>
    </message>
    <message>
        <source>očekává se celé číslo</source>
        <translation>an integer is expected</translation>
    </message>
    <message>
        <source>neplatná barva</source>
        <translation>invalid colour</translation>
    </message>
    <message>
        <source>neočekávaný konec hodnoty</source>
        <translation>unexpected end of the value</translation>
    </message>
    <message>
        <source>funkci chybí argument</source>
        <translation>the function lacks an argument</translation>
    </message>
    <message>
        <source>chybí čárka</source>
        <translation>a comma is missing</translation>
    </message>
    <message>
        <source>chybí lomítko</source>
        <translation>a slash is missing</translation>
    </message>
    <message>
        <source>funkce zde není dovolena</source>
        <translation>no function is allowed here</translation>
    </message>
    <message>
        <source>neznámá funkce</source>
        <translation>unknown function</translation>
    </message>
    <message>
        <source>klíčové slovo %1 smí stát jen samo</source>
        <translation>the keyword %1 must stand alone</translation>
    </message>
    <message>
        <source>přebývající hodnota</source>
        <translation>a value too many</translation>
    </message>
    <message>
        <source>klíčové slovo zde není dovoleno</source>
        <translation>this keyword is not allowed here</translation>
    </message>
    <message>
        <source>neznámé klíčové slovo</source>
        <translation>unknown keyword</translation>
    </message>
    <message>
        <source>neznámé klíčové slovo ani barva</source>
        <translation>neither a known keyword nor a colour</translation>
    </message>
    <message>
        <source>neznámá barva</source>
        <translation>unknown colour</translation>
    </message>
    <message>
        <source>neočekávaný znak</source>
        <translation>unexpected character</translation>
    </message>
    <message>
        <source>toto číslo zde není dovoleno</source>
        <translation>this number is not allowed here</translation>
    </message>
    <message>
        <source>číslo zde není dovoleno</source>
        <translation>no number is allowed here</translation>
    </message>
    <message>
        <source>řetězec zde není dovolen</source>
        <translation>no string is allowed here</translation>
    </message>
    <message>
        <source>adresa zde není dovolena</source>
        <translation>no address is allowed here</translation>
    </message>
    <message>
        <source>barva zde není dovolena</source>
        <translation>no colour is allowed here</translation>
    </message>
    <message>
        <source>chybí hodnota</source>
        <translation>the value is missing</translation>
    </message>
    <message>
        <source>chybí hodnota před !important</source>
        <translation>the value before !important is missing</translation>
    </message>
    <message>
        <source>hodnota z %1; CSS 2.1 ji nemá</source>
        <translation>a value of %1, which CSS 2.1 does not have</translation>
    </message>
    <message>
        <source>vlastnost z %1; CSS 2.1 ji nemá</source>
        <translation>a property of %1, which CSS 2.1 does not have</translation>
    </message>
    <message>
        <source>neznámá vlastnost</source>
        <translation>unknown property</translation>
    </message>
    <message>
        <source>předpona patří jen prohlížeči, který ji zavedl</source>
        <translation>the prefix is the browser&apos;s own</translation>
    </message>
    <message>
        <source>+ a - ve výpočtu potřebují mezeru z obou stran</source>
        <translation>+ and - in a calculation need white space on both sides</translation>
    </message>
    <message>
        <source>výpočet zde dává nebo sčítá jiný druh hodnoty</source>
        <translation>the calculation gives or adds up another kind of value here</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Sestaví jedno pravidlo stylu CSS bez psaní.</source>
        <translation>Composes one CSS style rule without typing it.</translation>
    </message>
    <message>
        <source>Zobrazí tuto nápovědu.</source>
        <translation>Displays this help.</translation>
    </message>
    <message>
        <source>Více řekne „stylomat --help“.</source>
        <translation>Try “stylomat --help” for more information.</translation>
    </message>
    <message>
        <source>Přijímá i standardní volby Qt (-platform, -style, -qwindowgeometry, -reverse, …).</source>
        <translation>Qt&apos;s standard options (-platform, -style, -qwindowgeometry, -reverse, …) are accepted too.</translation>
    </message>
    <message>
        <source>nečekaný argument „%1“</source>
        <translation>unexpected argument “%1”</translation>
    </message>
</context>
</TS>
