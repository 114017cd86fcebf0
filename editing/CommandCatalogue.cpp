#include "editing/CommandCatalogue.h"

#include "editor/base/Cp1251.h"

#include <array>

namespace CommandCatalogue {
namespace {

using namespace varlo;
inline constexpr std::string_view kMetaBlock =
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; CHARSET=Windows-1251\">\r"
    "<META name=\"generator\" content=\"Varlo\"/>\r"
    "<META name=\"author\" content=\"Ваше имя\">\r"
    "<META name=\"copyright\" content=\"&copy; авторские права\">\r"
    "<META name=\"keywords\" content=\"Список ключевых слов через запятую. Длина не должна "
    "превышать 1000 символов\">\r"
    "<META name=\"description\" content=\"Краткое описание вашего сайта, длина не должна привышать 200 символов\">"_w;
inline constexpr std::string_view kImageMapExample =
    "<map name=\"xxx\">\r"
    "<area href=\"1.html\" alt=\"первая область\" shape=\"rect\" coords=\"0,0,100,130\">\r"
    "<area href=\"2.html\" alt=\"вторая область\" shape=\"circle\" coords=\"150,65,65\">\r"
    "</map>\r"
    "<img src=\"рисунок\" width=\"200\" height=\"130\" border=\"0\" usemap=\"#xxx\">\r"
    "<!-- \r"
    "Значения shape:\r"
    " 1) rect - прямоугольник\r"
    " 2) circle - окружность\r"
    " 3) poly - многоугольник\r"
    "Значения coords:\r"
    " 1) форма области прямоугольник\r"
    "COORDS=\"A,B,C,D\", где A,B - координаты верхнего левого угла области. C,D - координаты "
    "правого нижнего угла области.\r"
    " 2) форма области окружность\r"
    "COORDS=\"A,B,C\", где A,B - координаты центра окружности. C - радиус окружности.\r"
    " 3) форма области многоугольник\r"
    "COORDS=\"A,B,C,D, ... ,A,B\". Каждая пара задает координаты вершин многоугольника. Первая и "
    "последняя пары совпадают задавая замкнутую фигуру.\r"
    "-->"_w;
inline constexpr std::string_view kTableSketch =
    "<TABLE BORDER=\"Толщина рамки в пикселях\"\r"
    "BGCOLOR=\"задний фон таблицы\" bordercolor=\"Цвет линий\"\r"
    "cellspacing=\"Задает расстояние между ячейками таблицы\"\r"
    "cellpadding=\"Задает расстояние между содержимым ячейки и ее рамкой\"\r"
    "align=\"Выравнивание таблицы\" Title=\"Подсказка\">\r"
    "  <TR>\r"
    "     <TH>Заголовок столбца 1</TH><TH>Заголовок столбца 2</TH>\r"
    "  </TR>\r"
    "  <TR>\r"
    "     <TD>Ячейка столбца 1, ряд 1</TD><TD>Ячейка столбца 2, ряд 1</TD>\r"
    "  </TR>\r"
    "  <TR>\r"
    "     <TD>Ячейка столбца 1, ряд 2</TD><TD>Ячейка столбца 2, ряд 2</TD>\r"
    "  </TR>\r"
    "</TABLE>"_w;
constexpr CommandRow submenu(std::string_view name, std::string_view parent,
                             std::string_view caption) {
    return {name, parent, caption, Action::Submenu, {}, {}, {}};
}
constexpr CommandRow separator(std::string_view parent) {
    return {{}, parent, {}, Action::Separator, {}, {}, {}};
}
constexpr CommandRow plain(std::string_view name, std::string_view parent, std::string_view caption,
                           std::string_view text) {
    return {name, parent, caption, Action::Plain, text, {}, {}};
}
constexpr CommandRow tag(std::string_view name, std::string_view parent, std::string_view caption,
                         std::string_view text) {
    return {name, parent, caption, Action::Tag, text, {}, {}};
}
constexpr CommandRow orderedList(std::string_view name, std::string_view parent,
                                 std::string_view caption, std::string_view type) {
    return {name, parent, caption, Action::OrderedList, type, {}, {}};
}
constexpr CommandRow unorderedList(std::string_view name, std::string_view parent,
                                   std::string_view caption, std::string_view type) {
    return {name, parent, caption, Action::UnorderedList, type, {}, {}};
}
constexpr CommandRow dialog(std::string_view name, std::string_view parent,
                            std::string_view caption, std::string_view shortcut, ElementDialog d) {
    return {name, parent, caption, Action::Dialog, {}, shortcut, d};
}
constexpr CommandRow command(std::string_view name, std::string_view parent,
                             std::string_view caption, Action action, std::string_view shortcut) {
    return {name, parent, caption, action, {}, shortcut, {}};
}
// An item that runs the command of another row.
constexpr CommandRow same(std::string_view name, std::string_view caption,
                          std::string_view shortcut, std::string_view target) {
    return {name, {}, caption, Action::SameAs, target, shortcut, {}};
}

// Submenus of "HTML" without a component name of their own are named after their content.
constexpr auto kHtml = std::to_array<CommandRow>({
    submenu("BodyMenu", "", "Тело документа"_w),
    tag("N39", "BodyMenu", "<HTML></HTML>"_w, "<html></html>"_w),
    tag("N40", "BodyMenu", "<HEAD></HEAD>"_w, "<head></head>"_w),
    tag("N41", "BodyMenu", "<TITLE></TITLE>"_w,
        "<title>Заголовок, не больше 40 символов</title>"_w),
    tag("N42", "BodyMenu", "<BODY></BODY>"_w, "<body></body>"_w),
    plain("N43", "BodyMenu", "<META></META>"_w, kMetaBlock),
    plain("N44", "BodyMenu", "<!DOCTYPE>"_w,
          "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">"_w),

    submenu("LinkMenu", "", "Гиперсылка"_w),
    dialog("C1", "LinkMenu", "Создать ссылку..."_w, "Ctrl+Alt+S", ElementDialog::Link),
    tag("N45", "LinkMenu", "На другую веб-страницу"_w,
        "<a href=\"адресс\" title=\"подсказка\">Текст ссылки</a>"_w),
    plain("N46", "LinkMenu", "На объект этой же страницы"_w,
          "<a name=\"name\">Здесь объект, любое слово</a>\r<a href=\"#name\">текст ссылки</a>"_w),
    tag("N47", "LinkMenu", "На адрес электронной почты"_w,
        "<a href=\"mailto:адресс мыла\" >Текст ссылки</a>"_w),
    tag("web1", "LinkMenu", "Открытие web-страницы в новом окне "_w,
        "<a href=\"адресс\" TARGET=\"_blank\" title=\"подсказка\">Текст ссылки</a>"_w),

    submenu("GraphicsMenu", "", "Графика"_w),
    command("N48", "GraphicsMenu", "Вставить изображение..."_w, Action::Image, "Ctrl+I"),
    plain("imgsrc1", "GraphicsMenu", "Добавить изображение<img src=\"\">"_w,
          "<IMG src=\"адрес рисунка\" alt=\"подсказка\" height=\"\" width=\"\">"_w),
    tag("N49", "GraphicsMenu", "Добавление фоновой графики "_w,
        "<body background=\"адресс рисунка\"></body>"_w),
    plain("N50", "GraphicsMenu", "Рамка вокруг изображения"_w,
          "<IMG src=\"адрес рисунка\" border=\"Толищина рамки в пикселях\" alt=\"подсказка\">"_w),

    submenu("Map1", "GraphicsMenu", "Чувствительные области <Map>"_w),
    tag("N173", "Map1", "<Map></Map>"_w, "<Map name=\"\"></Map>"_w),
    plain("N174", "Map1", "<Area></Area>"_w,
          "<Area href=\"Ссылка\" alt=\"подсказка\" shape=\"Тип фигуры\" coords=\"координаты\">"_w),
    plain("N175", "Map1", "<img src=\"\">          "_w,
          "<img src=\"\" width=\"\" height=\"\" border=\"рамка\" usemap=\"#имя\">"_w),
    plain("G3", "Map1", "Пример              "_w, kImageMapExample),

    submenu("TableMenu", "", "Таблица"_w),
    dialog("N51", "TableMenu", "Вставить таблицу..."_w, "Ctrl+Q", ElementDialog::Table),
    plain("G1", "TableMenu", "Набросок таблицы"_w, kTableSketch),
    tag("tabletable1", "TableMenu", "Добавить таблицу <table></table>"_w, "<table></table>"_w),
    tag("captioncaption1", "TableMenu", "Добавить заголовок таблицы <caption></caption>"_w,
        "<caption>Заголовок, вставляеться сразу после table</caption>"_w),
    tag("thth1", "TableMenu", "Добавить заголовок столбца <th></th>"_w,
        "<th>Заголовок столбца</th>"_w),
    tag("trtr1", "TableMenu", "Добавить строку <tr></tr>"_w, "<tr></tr>"_w),
    tag("tdtd1", "TableMenu", "Добавить ячейку <td></td>"_w, "<td></td>"_w),

    submenu("TextMenu", "", "Работа с текстом"_w),

    submenu("N52", "TextMenu", "Шрифт"_w),
    dialog("N53", "N52", "Быстрая настройка шрифта..."_w, "Ctrl+Shift+F", ElementDialog::Font),
    tag("FontFont1", "N52", "<Font></Font>"_w,
        "<font face=\"имя шрифта\" size=\"размер\" color=\"цвет текста\"></font>"_w),

    submenu("N57", "TextMenu", "Оформление текста"_w),
    tag("BB1", "N57", "Полужирный <B></B>"_w, "<b></b>"_w),
    tag("II1", "N57", "Курсив <I></I>"_w, "<i></i>"_w),
    tag("UU1", "N57", "Подчёркнутый <U></U>"_w, "<u></u>"_w),
    tag("SS1", "N57", "Зачёркнутый <S></S>"_w, "<s></s>"_w),
    tag("BIGBIG1", "N57", "Большой <BIG></BIG>"_w, "<big></big>"_w),
    tag("SMALSMAL1", "N57", "Маленький <SMALL></SMALL>"_w, "<small></small>"_w),
    tag("SUBSUB1", "N57", "Подстрочный <SUB></SUB>"_w, "<sub></sub>"_w),
    tag("SUPSUP1", "N57", "Надстрочный <SUP></SUP>"_w, "<sup></sup>"_w),

    submenu("N58", "TextMenu", "Цитата"_w),
    tag("CITECITE1", "N58", "Наклоный <CITE></CITE>"_w, "<cite></cite>"_w),
    tag("QQ1", "N58", "Кавычки <Q></Q>"_w, "<q></q>"_w),
    tag("BLOCKQUOTEBLOCKQUOTE1", "N58", "<BLOCKQUOTE></BLOCKQUOTE>"_w,
        "<blockquote></blockquote>"_w),

    submenu("N59", "TextMenu", "Оформить фразу"_w),
    tag("CODECODE1", "N59", "Программный код <CODE></CODE>"_w, "<code></code>"_w),
    tag("tttt1", "N59", "Печатная машинка <tt></tt>"_w, "<tt></tt>"_w),
    tag("VARVAR1", "N59", "Выделение переменных <VAR></VAR>"_w, "<var></var>"_w),

    submenu("N60", "TextMenu", "Заголовоки"_w),
    tag("N1H1H11", "N60", "Заголовок уровня 1 <H1></H1>"_w, "<h1></h1>"_w),
    tag("N2H2H21", "N60", "Заголовок уровня 2 <H2></H2>"_w, "<h2></h2>"_w),
    tag("N3H3H31", "N60", "Заголовок уровня 3 <H3></H3>"_w, "<h3></h3>"_w),
    tag("N4H4H41", "N60", "Заголовок уровня 4 <H4></H4>"_w, "<h4></h4>"_w),
    tag("N5H5H51", "N60", "Заголовок уровня 5 <H5></H5>"_w, "<h5></h5>"_w),
    tag("N6H6H61", "N60", "Заголовок уровня 6 <H6></H6>"_w, "<h6></h6>"_w),
    tag("PP1", "TextMenu", "Абзац <P></P>"_w, "<p></p>"_w),

    submenu("ListsMenu", "", "Списки"_w),

    submenu("N30", "ListsMenu", "Нумерованный список"_w),
    orderedList("N31", "N30", "Арабские цифры"_w, "1"),
    orderedList("N32", "N30", "Римские цифры"_w, "I"),
    orderedList("N33", "N30", "Строчные буквы"_w, "a"),
    orderedList("N34", "N30", "Заглавные буквы"_w, "A"),

    submenu("N35", "ListsMenu", "Ненумерованный список"_w),
    unorderedList("N36", "N35", "Закрашенный кружок"_w, "disc"),
    unorderedList("N37", "N35", "Незакрашенный кружок "_w, "circle"),
    unorderedList("N62", "N35", "Квадратик"_w, "square"),
    dialog("N54", "ListsMenu", "Создать список..."_w, "Ctrl+E", ElementDialog::List),

    submenu("SoundMenu", "", "Звук"_w),
    plain("BGSOUND1", "SoundMenu", "<BGSOUND>"_w,
          "<bgsound src=\"имя файла\" loop=\"число повторов\">"_w),
    dialog("N64", "SoundMenu", "Вставить музыку..."_w, "Ctrl+B", ElementDialog::Music),

    submenu("AlignMenu", "", "Выравнивание"_w),
    tag("CENTERCENTER1", "AlignMenu", "По центру <CENTER></CENTER>"_w, "<center></center>"_w),
    plain("N66", "AlignMenu", "По левому краю"_w, "align=\"left\""_w),
    plain("N67", "AlignMenu", "По правому краю"_w, "align=\"right\""_w),
    plain("N68", "AlignMenu", "По центру "_w, "align=\"center\""_w),
    plain("N69", "AlignMenu", "По нижнему краю"_w, "align=\"bottom\""_w),
    plain("N70", "AlignMenu", "По верхнему краю"_w, "align=\"top\""_w),
    plain("N71", "AlignMenu", "По середине"_w, "align=\"middle\""_w),

    submenu("ControlsMenu", "", "Элементы управления"_w),
    plain("buttonbutton1", "ControlsMenu", "Создать кнопку <button></button>"_w,
          "<button title=\"подсказка\"></button>"_w),
    tag("FIELDSETFIELDSET1", "ControlsMenu", "Создать рамку <FIELDSET></FIELDSET>"_w,
        "<fieldset>\r<legend>Заголовок</legend>\r</fieldset>"_w),

    submenu("input1", "ControlsMenu", "Элементы управления <input>"_w),
    plain("N76", "input1", "Создать текстовое поле"_w,
          "<input type=\"text\" value=\"Текст\" size=\"Длина поля\" title=\"подсказка\">"_w),
    plain(
        "N77", "input1", "Создать строку для ввода пароля"_w,
        "<input type=\"password\" value=\"Пароль\" maxlength=\"Длина пароля\" title=\"подсказка\">"_w),
    plain("N78", "input1", "Создать включатель"_w,
          "<input type=\"checkbox\" title=\"подсказка\">"_w),
    plain(
        "N79", "input1", "Создать переключатель"_w,
        "<input type=\"radio\" checked=1 name=\"sample\" title=\"подсказка\">Первый<br>\r<input type=\"radio\" name=\"sample\" title=\"подсказка\">Второй<br>"_w),
    plain("N80", "input1", "Создать элемент для выбора файлов"_w, "<input type=\"file\">"_w),
    plain("N81", "input1", "Создать рисунок"_w,
          "<input type=\"image\" src=\"Адресс рисунка\" title=\"подсказка\" >"_w),
    plain("N82", "input1", "Создать стандартную кнопку"_w,
          "<input type=\"button\" value=\"Текст\" title=\"подсказка\" >"_w),
    plain("N83", "input1", "Создать кнопку \"Подача запроса\""_w,
          "<input type=\"submit\" title=\"подсказка\">"_w),
    plain("N84", "input1", "Создать кнопку «Сброс» "_w,
          "<input type=\"reset\" style=width:80; title=\"подсказка\">"_w),
    plain(
        "EXTAREATEXTAREA1", "ControlsMenu", "Поле для ввода информации <TEXTAREA></TEXTAREA>"_w,
        "<textarea cols=\"Определяет ширину поля в символах\" rows=\"Определяет кол-во строк\" readonly title=\"подсказка\">\rЗдесь пишите вашь текст\r</textarea>"_w),

    submenu("select1", "ControlsMenu", "Список <select>"_w),
    dialog("N55", "select1", "Создать список..."_w, "Ctrl+Shift+E", ElementDialog::SelectList),
    plain("N85", "select1", "Выпадающий список"_w,
          "<select size=1>\r  <option>Первая строка\r  <option>Вторая строка\r</select>"_w),
    plain("N86", "select1", "Список с прокруткой"_w,
          "<select size=3>\r  <option>Первая строка\r  <option>Вторая строка\r</select>"_w),
    plain("option1", "select1", "Добавить строку <option>"_w, "<option> Строка"_w),
    tag("OPTGROUPLABELOPTGROUP1", "select1", "Сгруппировать элементы Select <OPTGROUP>"_w,
        "<Optgroup label=\"Имя группы\"></Optgroup>"_w),
    tag("N171", "ControlsMenu", "Контейнер для элементов управления <Form>"_w,
        "<form action=\"Указывает адрес\" method=\"способ перессылки формы\" name=\"имя\"></form>"_w),

    submenu("N87", "", "Различные символы"_w),

    submenu("N88", "N87", "Специальные символы"_w),
    plain("N89", "N88", "Амперсанд "_w, "&amp;"_w),
    plain("N119", "N88", "Тильда"_w, "&tilde;"_w),
    plain("copyright1", "N88", "Знак copyright "_w, "&copy;"_w),
    plain("N102", "N88", "Знак зарегистрированной торговой марки"_w, "&reg;"_w),
    plain("N155", "N88", "Знак торговой марки"_w, "&trade;"_w),
    plain("N104", "N88", "Градус "_w, "&deg;"_w),
    plain("N92", "N88", "Перевернутый восклицательный знак "_w, "&iexcl;"_w),
    plain("N115", "N88", "Перевернутый вопросительный знак"_w, "&iquest;"_w),
    plain("N97", "N88", "Разорванная вертикальная черта"_w, "&brvbar;"_w),
    plain("N103", "N88", "Верхняя горизонтальная черта "_w, "&macr;"_w),
    plain("N126", "N88", "Латинский крест "_w, "&dagger;"_w),
    plain("N129", "N88", "Двойной крест "_w, "&Dagger;"_w),
    plain("N156", "N88", "Ромб "_w, "&loz;"_w),
    plain("N157", "N88", "Круг "_w, "&#9675"_w),
    plain("N130", "N88", "Маленький черный кружок"_w, "&bull;"_w),
    plain("N146", "N88", "Знак промилле (процент с дополнительным ноликом) "_w, "&#8240;"_w),
    plain("N150", "N88", "Одиночный штрих - минуты"_w, "&prime;"_w),
    plain("N151", "N88", "Двойной штрих - секунды"_w, "&Prime;"_w),
    plain("N152", "N88", "Надчеркивание"_w, "&oline;"_w),

    submenu("N120", "N87", "Математические символы"_w),
    plain("N105", "N120", "Плюс-минус "_w, "&plusmn;"_w),
    plain("N117", "N120", "Знак деления"_w, "&divide;"_w),
    plain("N116", "N120", "Знак умножения"_w, "&times;"_w),
    plain("N90", "N120", "Знак меньше"_w, "&lt;"_w),
    plain("N91", "N120", "Знак больше "_w, "&gt;"_w),
    plain("N153", "N120", "Косая дробная черта "_w, "&frasl;"_w),
    plain("N118", "N120", "Знак функции"_w, "&fnof;"_w),
    plain("N111", "N120", "Верхний индекс \"один\""_w, "&sup1;"_w),
    plain("N106", "N120", "\"В квадрате\" "_w, "&sup2;"_w),
    plain("N107", "N120", "\"В кубе\" "_w, "&sup3;"_w),
    plain("N113", "N120", "Одна вторая "_w, "&frac12;"_w),
    plain("N114", "N120", "Три четвертых"_w, "&frac34;"_w),
    plain("N112", "N120", "Одна четвертая "_w, "&frac14;"_w),

    submenu("N123", "N87", "Орфография и пунктуация"_w),
    plain("G2", "N123", "Пробел"_w, "&nbsp;"_w),
    plain("N101", "N123", "Место возможного переноса"_w, "&shy;"_w),
    plain("N98", "N123", "Параграф "_w, "&sect;"_w),
    plain("N109", "N123", "Символ параграфа "_w, "&para;"_w),
    plain("N142", "N123", "Тире "_w, "&ndash;"_w),
    plain("N143", "N123", "Длинное тире"_w, "&mdash;"_w),
    plain("N131", "N123", "Многоточие"_w, "&hellip;"_w),
    plain("N100", "N123", "Левая двойная угловая скобка "_w, "&laquo;"_w),
    plain("N99", "N123", "Правая двойная угловая скобка "_w, "&raquo;"_w),
    plain("N144", "N123", "Левая одиночная кавычка (апостроф)"_w, "&lsquo;"_w),
    plain("N145", "N123", "Правая одиночная кавычка (апостроф)"_w, "&rsquo;"_w),
    plain("N147", "N123", "Левая двойная кавычка"_w, "&ldquo;"_w),
    plain("N148", "N123", "Правая двойная кавычка "_w, "&rdquo;"_w),
    plain("N149", "N123", "Нижняя двойная кавычка"_w, "&bdquo;"_w),
    plain("N108", "N123", "Знак ударения "_w, "&acute;"_w),
    plain("N110", "N123", "Седиль (орфографический знак) "_w, "&cedil;"_w),

    submenu("N121", "N87", "Денежные символы"_w),
    plain("N95", "N121", "Денежная единица"_w, "&curren;"_w),
    plain("N154", "N121", "Евро "_w, "&euro;"_w),
    plain("N93", "N121", "Цент "_w, "&cent;"_w),
    plain("N94", "N121", "Фунт стерлингов"_w, "&pound;"_w),
    plain("N96", "N121", "Иена или юань "_w, "&yen;"_w),

    submenu("N124", "N87", "Стрелки"_w),
    plain("N132", "N124", "Влево"_w, "&larr;"_w),
    plain("N133", "N124", "Вверх           "_w, "&uarr;"_w),
    plain("N134", "N124", "Вправо"_w, "&rarr;"_w),
    plain("N135", "N124", "Вниз"_w, "&darr;"_w),
    plain("N136", "N124", "Влево-вправо"_w, "&harr;"_w),
    plain("N137", "N124", "Вверх-вниз "_w, "&#8597;"_w),

    submenu("N125", "N87", "Масти"_w),
    plain("N138", "N125", "Пики"_w, "&spades;"_w),
    plain("N139", "N125", "Трефы"_w, "&clubs;"_w),
    plain("N140", "N125", "Червы"_w, "&hearts;"_w),
    plain("N141", "N125", "Бубны        "_w, "&diams;"_w),
    dialog("N122", "N87", "Греческий алфавит..."_w, "Ctrl+G", ElementDialog::Greek),

    submenu("OtherMenu", "", "Другое"_w),
    plain("BR1", "OtherMenu", "Перевод строки <BR>"_w, "<br>"_w),
    plain("N73", "OtherMenu", "Вставить пробел"_w, "&nbsp;"_w),
    plain("N74", "OtherMenu", "Коментарий <!-- -->"_w, "<!-- -->"_w),
    plain("HR1", "OtherMenu", "Горизонтальная линия <HR>"_w, "<hr>"_w),
    tag("G4", "OtherMenu", "Поменять фон документа <body bgcolor></body>"_w,
        "<body bgcolor=\"цвет фона документа\"></body>"_w),
    plain("MARQUEEMARQUEE1", "OtherMenu", "Бегущая строка <MARQUEE></MARQUEE>"_w,
          "<marquee></marquee>"_w),

    submenu("FramesMenu", "", "Фреймы"_w),
    plain(
        "IFRAMEIFRAME1", "FramesMenu", "Плавающие окно <IFRAME></IFRAME>"_w,
        "<IFRAME SRC=\"адрес странички\" WIDTH=\"ширина\" HEIGHT=\"высота\" NAME=\"имя\"\r SCROLLING=\"auto\" FRAMEBORDER=\"рамка вокруг фрейма\"></IFRAME>"_w),
    tag("FramesetFrameset1", "FramesMenu", "<Frameset></Frameset>"_w,
        "<Frameset cols=\"\"></Frameset>"_w),
    plain("Framesrc1", "FramesMenu", "<Frame src=\"\">"_w, "<FRAME SRC=\"\">"_w),
    command("N127", "", "Вставить цвет...                "_w, Action::Color, "Ctrl+R"),
});

// Every item but the running line repeats an item of "HTML".
constexpr auto kInsert = std::to_array<CommandRow>({
    same("N128", "Ссылку..."_w, "Ctrl+Alt+S", "C1"),
    same("N159", "Таблицу..."_w, "Ctrl+Q", "N51"),
    same("N160", "Шрифт..."_w, "Ctrl+Shift+F", "N53"),
    same("N165", "Цвет..."_w, "Ctrl+R", "N127"),
    same("N161", "Cписок..."_w, "Ctrl+E", "N54"),
    same("N163", "Список Select..."_w, "Ctrl+Shift+E", "N55"),
    dialog("N172", "", "Бегущую строку..."_w, "Ctrl+J", ElementDialog::Marquee),
    same("N158", "Изображение..."_w, "Ctrl+I", "N48"),
    same("N162", "Музыку..."_w, "Ctrl+B", "N64"),
    same("N164", "Греческий алфавит..."_w, "Ctrl+G", "N122"),
});

constexpr auto kEdit = std::to_array<CommandRow>({
    command("J1", "", "Отменить"_w, Action::Undo, "Ctrl+Z"),
    command("N38", "", "Возвратить   "_w, Action::Redo, "Ctrl+Shift+Z"),
    separator(""),
    command("N12", "", "Копировать"_w, Action::Copy, "Ctrl+C"),
    command("N14", "", "Вырезать"_w, Action::Cut, "Ctrl+X"),
    command("N13", "", "Вставить"_w, Action::Paste, "Ctrl+V"),
    command("N15", "", "Выделить всё"_w, Action::SelectAll, "Ctrl+A"),
    separator(""),
    command("N17", "", "Найти..."_w, Action::Find, "Ctrl+F"),
    command("N184", "", "Заменить..."_w, Action::Replace, "Ctrl+H"),
    command("N18", "", "Очистить"_w, Action::Clear, "Ctrl+Shift+O"),
    command("N19", "", "Время и дата"_w, Action::DateTime, "F5"),
});

constexpr auto kPopup = std::to_array<CommandRow>({
    same("J2", "Отменить"_w, "Ctrl+Z", "J1"),
    same("N166", "Возвратить   "_w, "Ctrl+Shift+Z", "N38"),
    separator(""),
    same("N22", "Копировать"_w, "Ctrl+C", "N12"),
    same("N21", "Вырезать"_w, "Ctrl+X", "N14"),
    same("N23", "Вставить"_w, "Ctrl+V", "N13"),
    same("N167", "Очистить"_w, "Ctrl+Shift+O", "N18"),
    separator(""),
    same("N25", "Выделить всё"_w, "Ctrl+A", "N15"),
    separator(""),
    same("N169", "Пробел"_w, "", "N73"),
    same("N170", "Перевод строки <br>"_w, "", "BR1"),
    same("N176", "Вставить цвет...                "_w, "Ctrl+R", "N127"),
});

constexpr auto kToolButtons = std::to_array<ToolButtonRow>({
    {"RzToolButton6", "Отмена"_w, "J1", ToolBarGroup::UndoRedo, 5},
    {"RzToolButton7", "Возвратить"_w, "N38", ToolBarGroup::UndoRedo, 6},
    {"RzToolButton8", "Полужирный"_w, "BB1", ToolBarGroup::Tags, 7},
    {"RzToolButton9", "Курсив"_w, "II1", ToolBarGroup::Tags, 8},
    {"RzToolButton10", "Подчёркнутый"_w, "UU1", ToolBarGroup::Tags, 9},
    {"RzToolButton11", "Зачёркнутый "_w, "SS1", ToolBarGroup::Tags, 10},
    {"RzToolButton12", "Перевод строки"_w, "BR1", ToolBarGroup::Tags, 12},
});

} // namespace

std::span<const CommandRow> htmlMenu() {
    return kHtml;
}
std::span<const CommandRow> insertMenu() {
    return kInsert;
}
std::span<const CommandRow> editMenu() {
    return kEdit;
}
std::span<const CommandRow> popupMenu() {
    return kPopup;
}
std::span<const ToolButtonRow> toolButtons() {
    return kToolButtons;
}

const CommandRow* findRow(std::string_view name) {
    if (name.empty())
        return nullptr;
    for (auto menu : {htmlMenu(), insertMenu(), editMenu(), popupMenu()})
        for (const CommandRow& row : menu)
            if (row.name == name)
                return &row;
    return nullptr;
}

const CommandRow& resolve(const CommandRow& row) {
    const CommandRow* r = &row;
    // The chains are one or two links long; the bound only guards against a cycle in the table.
    for (int hops = 0; r->action == Action::SameAs && hops < 8; ++hops) {
        const CommandRow* next = findRow(r->text);
        if (!next)
            break;
        r = next;
    }
    return *r;
}

} // namespace CommandCatalogue
