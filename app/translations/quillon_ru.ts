<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Converts P-CAD 4.5 plot files and pin descriptions into CAM350 macros, Genesis scripts and Gerber RS274X files.

Written by the Quillon developers.</source>
        <translation>Превращает плот-файлы P-CAD 4.5 и описания выводов в макросы CAM350, сценарии Genesis и файлы Gerber RS274X.

Написано разработчиками Quillon.</translation>
    </message>
    <message>
        <source>Free software under the MIT licence. Built with Qt (LGPL-3), RE2, CLI11, nlohmann-json, libzip and the Hershey fonts: their notices are in THIRD-PARTY-NOTICES beside the user guide.</source>
        <translation>Свободная программа под лицензией MIT. Собрана с Qt (LGPL-3), RE2, CLI11, nlohmann-json, libzip и шрифтами Хершея: их уведомления — в файле THIRD-PARTY-NOTICES рядом с руководством пользователя.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>TCustomizeDialog</name>
    <message>
        <source>Customize</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Tool bar buttons</source>
        <translation>Кнопки панели инструментов</translation>
    </message>
</context>
<context>
    <name>TGuiPrompts</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Н&amp;ет для всех</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Да для &amp;всех</translation>
    </message>
</context>
<context>
    <name>TOptDlg</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Conversaton</source>
        <translation>Преобразование</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Оптимизация</translation>
    </message>
    <message>
        <source>Legacy</source>
        <translation>Классический</translation>
    </message>
    <message>
        <source>Fab</source>
        <translation>Производство</translation>
    </message>
    <message>
        <source>Legacy: the classic Gerber files. Fab: Gerber X2 files that board houses accept today.</source>
        <translation>Классический: привычные файлы Gerber. Производство: файлы Gerber X2, которые принимают сегодняшние изготовители плат.</translation>
    </message>
    <message>
        <source>Excellon drill file</source>
        <translation>Файл сверловки Excellon</translation>
    </message>
    <message>
        <source>Gerber profile:</source>
        <translation>Профиль Gerber:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Применить</translation>
    </message>
    <message>
        <source>Where the Genesis script runs: Windows (CR LF, C:/tmp) or Unix (LF, /tmp).</source>
        <translation>Где выполняется сценарий Genesis: Windows (CR LF, C:/tmp) или Unix (LF, /tmp).</translation>
    </message>
    <message>
        <source>Genesis host:</source>
        <translation>Система Genesis:</translation>
    </message>
    <message>
        <source>Protel</source>
        <translation>Protel</translation>
    </message>
    <message>
        <source>Indexed</source>
        <translation>С номерами</translation>
    </message>
    <message>
        <source>How the fab files are named. Protel: &lt;base&gt;.GTL, .GBL, .GTS, .GBS, .GTO, .GBO, .GKO, as board houses recognise them. Indexed: &lt;index&gt;&lt;layer&gt;.gbr, as the legacy files.</source>
        <translation>Как называются файлы для производства. Protel: &lt;база&gt;.GTL, .GBL, .GTS, .GBS, .GTO, .GBO, .GKO — так их узнают производители плат. С номерами: &lt;номер&gt;&lt;слой&gt;.gbr, как классические файлы.</translation>
    </message>
    <message>
        <source>Fab file names:</source>
        <translation>Имена файлов производства:</translation>
    </message>
</context>
<context>
    <name>quillon::app::TLayersView</name>
    <message>
        <source>Fit</source>
        <translation>Вписать</translation>
    </message>
    <message>
        <source>Drawing…</source>
        <translation>Рисуется…</translation>
    </message>
    <message>
        <source>X %1  Y %2 mm</source>
        <translation>X %1  Y %2 мм</translation>
    </message>
    <message>
        <source>Wheel, +, -: zoom
Drag, arrows: pan
Ctrl+0: fit</source>
        <translation>Колесо, +, -: масштаб
Перетаскивание, стрелки: сдвиг
Ctrl+0: вся плата</translation>
    </message>
</context>
<context>
    <name>quillon::app::TOutputPage</name>
    <message>
        <source>Find in output</source>
        <translation>Найти в результате</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Строка %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found</source>
        <translation>&quot;%1&quot; не найдено</translation>
    </message>
</context>
<context>
    <name>quillon::app::TQuillonMain</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>O&amp;pen description...</source>
        <translation>Открыть о&amp;писание...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Преобразовать</translation>
    </message>
    <message>
        <source>&amp;CAM350 Script</source>
        <translation>Макрос &amp;CAM350</translation>
    </message>
    <message>
        <source>&amp;Gerber RS274X</source>
        <translation>&amp;Gerber RS274X</translation>
    </message>
    <message>
        <source>Genesis Script</source>
        <translation>Сценарий Genesis</translation>
    </message>
    <message>
        <source>A&amp;dd View Commands</source>
        <translation>Добавить &amp;команды вида</translation>
    </message>
    <message>
        <source>&amp;Pads</source>
        <translation>Площ&amp;адки</translation>
    </message>
    <message>
        <source>&amp;Lines</source>
        <translation>&amp;Линии</translation>
    </message>
    <message>
        <source>&amp;Arcs</source>
        <translation>&amp;Дуги</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Текст</translation>
    </message>
    <message>
        <source>P&amp;olygons</source>
        <translation>П&amp;олигоны</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Параметры...</translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation>&amp;Настройка</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>&amp;Руководство</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>Open plot file</source>
        <translation>Открыть плот-файл</translation>
    </message>
    <message>
        <source>P-Cad 4.5 PLOT files, *.plt|*.plt|All Files *.*|*.*</source>
        <translation>Плот-файлы P-Cad 4.5, *.plt|*.plt|Все файлы *.*|*.*</translation>
    </message>
    <message>
        <source>Description Files, *.txt;*.dat|*.txt;*.dat|All Files, *.*|*.*</source>
        <translation>Файлы описаний, *.txt;*.dat|*.txt;*.dat|Все файлы, *.*|*.*</translation>
    </message>
    <message>
        <source>Save CAM350 Script</source>
        <translation>Сохранить сценарий CAM350</translation>
    </message>
    <message>
        <source>Out files, *.scr; *.gbr; *.txt; *.csh|*.scr;*.gbr;*.txt;*.csh|CAM350 v5 Macro, *.scr|*.scr|Gerber RS274X, *.gbr|*.gbr|Text Files, *.txt|*.txt|Genesis Script, *csh|*.csh|All Files, *.*|*.*</source>
        <translation>Выходные файлы, *.scr; *.gbr; *.txt; *.csh|*.scr;*.gbr;*.txt;*.csh|Макрос CAM350 v5, *.scr|*.scr|Gerber RS274X, *.gbr|*.gbr|Текстовые файлы, *.txt|*.txt|Сценарий Genesis, *csh|*.csh|Все файлы, *.*|*.*</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Format</source>
        <translation>&amp;Формат</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>С&amp;ервис</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>Строк: %1</translation>
    </message>
    <message>
        <source>Loading stopped</source>
        <translation>Загрузка остановлена</translation>
    </message>
    <message>
        <source>%1 layers, %2 items</source>
        <translation>Слоёв: %1, объектов: %2</translation>
    </message>
    <message>
        <source>Pins</source>
        <translation>Выводы</translation>
    </message>
    <message>
        <source>Plt</source>
        <translation>Плот</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Слои</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Загрузите файл</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Прочитать</translation>
    </message>
    <message>
        <source>Hole:</source>
        <translation>Отверстие:</translation>
    </message>
    <message>
        <source>Aperture:</source>
        <translation>Апертура:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Другой</translation>
    </message>
    <message>
        <source> Units </source>
        <translation> Единицы </translation>
    </message>
    <message>
        <source>DBU = </source>
        <translation>DBU = </translation>
    </message>
    <message>
        <source>Pins Mapping</source>
        <translation>Назначение выводов</translation>
    </message>
    <message>
        <source>Apertures Top</source>
        <translation>Апертуры сверху</translation>
    </message>
    <message>
        <source>Apertures Bot</source>
        <translation>Апертуры снизу</translation>
    </message>
    <message>
        <source>Mask Top</source>
        <translation>Маска сверху</translation>
    </message>
    <message>
        <source>Mask Bot</source>
        <translation>Маска снизу</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Сверловка</translation>
    </message>
    <message>
        <source>The user guide quillon-guide.html is not installed beside %1</source>
        <translation>Руководство пользователя quillon-guide.html не установлено рядом с %1</translation>
    </message>
    <message>
        <source>No web browser could open %1</source>
        <translation>Ни один веб-браузер не смог открыть %1</translation>
    </message>
    <message>
        <source>Pin# Hole Aper</source>
        <translation>Вывод# Отв Апер</translation>
    </message>
    <message>
        <source>Pin# Aper Hole</source>
        <translation>Вывод# Апер Отв</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>ММ</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Дюйм</translation>
    </message>
    <message>
        <source>PInch</source>
        <translation>PInch</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>дюйм</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>&amp;Find in Output...</source>
        <translation>&amp;Найти в результате...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Conversion cancelled</source>
        <translation>Преобразование отменено</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>Сохранение %1</translation>
    </message>
    <message>
        <source>Saved %1 in %2</source>
        <translation>%1 сохранён в %2</translation>
    </message>
    <message>
        <source>Saved %1 files in %2</source>
        <translation>Сохранено файлов: %1, папка %2</translation>
    </message>
    <message>
        <source>%1: not a plot file. A plot file begins with the signature word 0x804E (bytes 4E 80).</source>
        <translation>%1: это не плот-файл. Плот-файл начинается со слова сигнатуры 0x804E (байты 4E 80).</translation>
    </message>
    <message>
        <source>Loading cancelled</source>
        <translation>Загрузка отменена</translation>
    </message>
    <message>
        <source>%1 was not opened: only plot files (*.plt) and pin descriptions (text) can be dropped here.</source>
        <translation>%1 не открыт: сюда можно перетащить только плот-файлы (*.plt) и описания выводов (текст).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Fab package|*.zip</source>
        <translation>Пакет для производства|*.zip</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>Outline from extents</source>
        <translation>Контур по габаритам</translation>
    </message>
    <message>
        <source>Draws the board outline as the rectangle of the plot&apos;s header extents instead of taking an outline layer. The extents are only a guess at the board&apos;s edge: check the outline before ordering boards.</source>
        <translation>Рисует контур платы прямоугольником габаритов из заголовка плот-файла вместо слоя контура. Габариты — лишь догадка о крае платы: проверьте контур перед заказом плат.</translation>
    </message>
    <message>
        <source>Fab package</source>
        <translation>Пакет для производства</translation>
    </message>
    <message>
        <source>Used by Gerber conversions with the Fab profile (Tools, Options): the layers that become the silkscreen and board outline files.</source>
        <translation>Для преобразования в Gerber с профилем «Производство» (Сервис, Параметры): слои, из которых получаются файлы маркировки и контура платы.</translation>
    </message>
    <message>
        <source>Silkscreen Top</source>
        <translation>Маркировка сверху</translation>
    </message>
    <message>
        <source>Silkscreen Bot</source>
        <translation>Маркировка снизу</translation>
    </message>
    <message>
        <source>Board Outline</source>
        <translation>Контур платы</translation>
    </message>
</context>
</TS>
