<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>RoleNames</name>
    <message>
        <source>pads top</source>
        <translation>площадки сверху</translation>
    </message>
    <message>
        <source>pads bottom</source>
        <translation>площадки снизу</translation>
    </message>
    <message>
        <source>mask top</source>
        <translation>маска сверху</translation>
    </message>
    <message>
        <source>mask bottom</source>
        <translation>маска снизу</translation>
    </message>
    <message>
        <source>drill</source>
        <translation>сверловка</translation>
    </message>
    <message>
        <source>silkscreen top</source>
        <translation>маркировка сверху</translation>
    </message>
    <message>
        <source>silkscreen bottom</source>
        <translation>маркировка снизу</translation>
    </message>
    <message>
        <source>outline</source>
        <translation>контур</translation>
    </message>
    <message>
        <source>other</source>
        <translation>прочее</translation>
    </message>
</context>
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
    <name>TCheckTexts</name>
    <message>
        <source>matches</source>
        <translation>совпадает</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>отличается</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>не читается</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>отсутствует</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>время вышло</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>не проверен</translation>
    </message>
    <message>
        <source>Check: this output has no Gerber or drill file to check</source>
        <translation>Проверка: в этом результате нет файлов Gerber или сверловки для проверки</translation>
    </message>
    <message>
        <source>%1, layer %2</source>
        <translation>%1, слой %2</translation>
    </message>
    <message>
        <source>Check: the file matches</source>
        <translation>Проверка: файл совпадает</translation>
    </message>
    <message numerus="yes">
        <source>Check: %n files match</source>
        <translation>
            <numerusform>Проверка: %n файл совпадает</numerusform>
            <numerusform>Проверка: %n файла совпадают</numerusform>
            <numerusform>Проверка: %n файлов совпадают</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Check: %n of %1 files checked, all match</source>
        <translation>
            <numerusform>Проверка: проверен %n файл из %1, все совпадают</numerusform>
            <numerusform>Проверка: проверено %n файла из %1, все совпадают</numerusform>
            <numerusform>Проверка: проверено %n файлов из %1, все совпадают</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Check: %n of %1 files differ: %2</source>
        <translation>
            <numerusform>Проверка: отличается %n из %1 файлов: %2</numerusform>
            <numerusform>Проверка: отличаются %n из %1 файлов: %2</numerusform>
            <numerusform>Проверка: отличаются %n из %1 файлов: %2</numerusform>
        </translation>
    </message>
    <message>
        <source> (cut short by Cancel)</source>
        <translation> (прервана кнопкой «Отмена»)</translation>
    </message>
    <message>
        <source>gerbv, the reader the check needs, is not installed (Debian package gerbv)</source>
        <translation>gerbv, программа чтения, нужная для проверки, не установлена (пакет Debian gerbv)</translation>
    </message>
    <message>
        <source>Checking: %1 of %2 files read back</source>
        <translation>Проверка: прочитано файлов: %1 из %2</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Difference, mm²</source>
        <translation>Различие, мм²</translation>
    </message>
    <message>
        <source>Read by</source>
        <translation>Чем прочитан</translation>
    </message>
    <message>
        <source>Check stopped</source>
        <translation>Проверка остановлена</translation>
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
    <name>TItemText</name>
    <message>
        <source>Line</source>
        <translation>Линия</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>Закрашенный прямоугольник</translation>
    </message>
    <message>
        <source>Arc</source>
        <translation>Дуга</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Засветка</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Полигон</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Круг</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Квадрат</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Не задан</translation>
    </message>
    <message>
        <source>start %1, end %2, width %3</source>
        <translation>начало %1, конец %2, ширина %3</translation>
    </message>
    <message>
        <source>corner %1, opposite corner %2, width %3</source>
        <translation>угол %1, противоположный угол %2, ширина %3</translation>
    </message>
    <message>
        <source>corner %1, opposite corner %2</source>
        <translation>угол %1, противоположный угол %2</translation>
    </message>
    <message>
        <source>full circle</source>
        <translation>полная окружность</translation>
    </message>
    <message>
        <source>counter-clockwise %1 degrees</source>
        <translation>против часовой стрелки %1 град.</translation>
    </message>
    <message>
        <source>center %1, start %2, end %3, radius %4, %5, width %6</source>
        <translation>центр %1, начало %2, конец %3, радиус %4, %5, ширина %6</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at %2, size %3, rotation %4, mirrored, justification %5</source>
        <translation>&quot;%1&quot; в %2, размер %3, поворот %4, зеркально, выравнивание %5</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at %2, size %3, rotation %4, justification %5</source>
        <translation>&quot;%1&quot; в %2, размер %3, поворот %4, выравнивание %5</translation>
    </message>
    <message>
        <source>pin %1 at %2, rotation %3; no description row for Pin# %4</source>
        <translation>вывод %1 в %2, поворот %3; в описании нет строки Вывод# %4</translation>
    </message>
    <message>
        <source>pin %1 at %2, rotation %3; Pin# %4: %5 pad %6, hole %7</source>
        <translation>вывод %1 в %2, поворот %3; Вывод# %4: площадка %5 %6, отверстие %7</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n outline</source>
        <translation>
            <numerusform>%n контур</numerusform>
            <numerusform>%n контура</numerusform>
            <numerusform>%n контуров</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n outlines</source>
        <translation>
            <numerusform>%n контур</numerusform>
            <numerusform>%n контура</numerusform>
            <numerusform>%n контуров</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n точка</numerusform>
            <numerusform>%n точки</numerusform>
            <numerusform>%n точек</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n точка</numerusform>
            <numerusform>%n точки</numerusform>
            <numerusform>%n точек</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n void circle</source>
        <translation>
            <numerusform>%n пустой круг</numerusform>
            <numerusform>%n пустых круга</numerusform>
            <numerusform>%n пустых кругов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n void circles</source>
        <translation>
            <numerusform>%n пустой круг</numerusform>
            <numerusform>%n пустых круга</numerusform>
            <numerusform>%n пустых кругов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 on layer %3 %4 (mm): %5</source>
        <translation>%1 %2 на слое %3 %4 (мм): %5</translation>
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
    <message>
        <source>The job the Genesis script creates; a job of that name is deleted first. Empty: the plot&apos;s name.</source>
        <translation>Задание, которое создаёт сценарий Genesis; задание с этим именем сначала удаляется. Пусто: имя плот-файла.</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Документы</translation>
    </message>
    <message>
        <source>By role</source>
        <translation>По назначению</translation>
    </message>
    <message>
        <source>Documents: every matrix layer misc/document. By role: copper signal, masks solder_mask, silkscreens silk_screen, drill, outline rout.</source>
        <translation>Документы: каждый слой матрицы misc/document. По назначению: медь signal, маски solder_mask, маркировка silk_screen, сверловка drill, контур rout.</translation>
    </message>
    <message>
        <source>Genesis job:</source>
        <translation>Задание Genesis:</translation>
    </message>
    <message>
        <source>Genesis matrix:</source>
        <translation>Матрица Genesis:</translation>
    </message>
</context>
<context>
    <name>quillon::app::TCheckDifferenceBar</name>
    <message>
        <source>Show check differences</source>
        <translation>Показать различия проверки</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;color:#e60000&quot;&gt;■&lt;/span&gt; only in the plot  &lt;span style=&quot;color:#0040ff&quot;&gt;■&lt;/span&gt; only in the file</source>
        <translation>&lt;span style=&quot;color:#e60000&quot;&gt;■&lt;/span&gt; только в плот-файле  &lt;span style=&quot;color:#0040ff&quot;&gt;■&lt;/span&gt; только в файле</translation>
    </message>
    <message>
        <source>Output ▸ Check makes a picture of each file that differs</source>
        <translation>Результат ▸ Проверить рисует картинку каждого отличающегося файла</translation>
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
    <message>
        <source>&lt;span style=&quot;color:%1&quot;&gt;■&lt;/span&gt; undefined pin</source>
        <translation>&lt;span style=&quot;color:%1&quot;&gt;■&lt;/span&gt; неописанный вывод</translation>
    </message>
    <message>
        <source>A flash whose pin the description lacks: the conversion asks about it.</source>
        <translation>Засветка вывода, которого нет в описании: преобразование спросит о нём.</translation>
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
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Назначение</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Строк</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Байт</translation>
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
    <message>
        <source>Save Genesis script</source>
        <translation>Сохранить сценарий Genesis</translation>
    </message>
    <message>
        <source>Save CAM350 macro and Gerber files</source>
        <translation>Сохранить макрос CAM350 и файлы Gerber</translation>
    </message>
    <message>
        <source>Genesis Script, *.csh|*.csh</source>
        <translation>Сценарий Genesis, *.csh|*.csh</translation>
    </message>
    <message>
        <source>CAM350 v5 Macro, *.scr|*.scr</source>
        <translation>Макрос CAM350 v5, *.scr|*.scr</translation>
    </message>
    <message>
        <source>Out files, *.scr; *.gbr; *.txt; *.csh|*.scr;*.gbr;*.txt;*.csh</source>
        <translation>Выходные файлы, *.scr; *.gbr; *.txt; *.csh|*.scr;*.gbr;*.txt;*.csh</translation>
    </message>
    <message>
        <source>Text Files, *.txt|*.txt</source>
        <translation>Текстовые файлы, *.txt|*.txt</translation>
    </message>
    <message>
        <source>All Files, *.*|*.*</source>
        <translation>Все файлы, *.*|*.*</translation>
    </message>
    <message>
        <source>%1 was not read to its end (%2): the output lacks what follows.</source>
        <translation>%1 прочитан не до конца (%2): в результате нет того, что идёт дальше.</translation>
    </message>
    <message>
        <source>No layer is chosen for %1 (Plt page): layer %2 was taken.</source>
        <translation>Не выбран слой для: %1 (страница «Плот»); взят слой %2.</translation>
    </message>
    <message>
        <source>Conversion stopped</source>
        <translation>Преобразование остановлено</translation>
    </message>
    <message>
        <source>pads cut short on layer %1 by Cancel</source>
        <translation>площадки оборваны на слое %1 кнопкой «Отмена»</translation>
    </message>
    <message>
        <source>%1 lines from %2</source>
        <translation>Строк: %1, из %2</translation>
    </message>
    <message>
        <source>This output is not whole: %1. Save it anyway?</source>
        <translation>Результат неполон: %1. Всё равно сохранить?</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Не сохранено</translation>
    </message>
    <message>
        <source>%1 was not saved</source>
        <translation>%1 не сохранён</translation>
    </message>
    <message>
        <source>%1 is a folder, not a plot file.</source>
        <translation>%1 — папка, а не плот-файл.</translation>
    </message>
    <message>
        <source>%1 is empty: a plot file holds at least its header.</source>
        <translation>%1 пуст: в плот-файле должен быть хотя бы заголовок.</translation>
    </message>
    <message>
        <source>%1: no layer could be read (%2 at byte %3).</source>
        <translation>%1: не прочитано ни одного слоя (%2 на байте %3).</translation>
    </message>
    <message>
        <source>incomplete: reading stopped at byte %1</source>
        <translation>неполный: чтение остановилось на байте %1</translation>
    </message>
    <message>
        <source>%1 is incomplete: %2 at byte %3. %4 layers and %5 items were loaded; what follows is missing.</source>
        <translation>%1 неполон: %2 на байте %3. Загружено слоёв: %4, объектов: %5; остального нет.</translation>
    </message>
    <message>
        <source>%1 was not loaded; the board shown is unchanged</source>
        <translation>%1 не загружен; показанная плата не изменилась</translation>
    </message>
    <message>
        <source>%1 was not loaded</source>
        <translation>%1 не загружен</translation>
    </message>
    <message>
        <source>%1 (incomplete)</source>
        <translation>%1 (неполный)</translation>
    </message>
    <message>
        <source>Genesis script</source>
        <translation>сценарий Genesis</translation>
    </message>
    <message>
        <source>CAM350 text macro</source>
        <translation>текстовый макрос CAM350</translation>
    </message>
    <message>
        <source>CAM350 macro</source>
        <translation>макрос CAM350</translation>
    </message>
    <message>
        <source>job file</source>
        <translation>файл задания</translation>
    </message>
    <message>
        <source>From %1, which is %2.</source>
        <translation>Из %1, который %2.</translation>
    </message>
    <message>
        <source>The output is not whole: %1.</source>
        <translation>Результат неполон: %1.</translation>
    </message>
    <message>
        <source>Saving %1 also replaces these files of an earlier save in %2:

%3

Replace them?</source>
        <translation>Сохранение %1 заменит и эти файлы прежнего сохранения в %2:

%3

Заменить их?</translation>
    </message>
    <message>
        <source>Lines not understood...</source>
        <translation>Непонятые строки...</translation>
    </message>
    <message>
        <source>Pin#</source>
        <translation>Вывод#</translation>
    </message>
    <message>
        <source>Flashes</source>
        <translation>Засветок</translation>
    </message>
    <message>
        <source>Double-click a pin to see its first flash on the Layers page.</source>
        <translation>Двойной щелчок по выводу показывает его первую засветку на странице «Слои».</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Отв</translation>
    </message>
    <message>
        <source>Aper</source>
        <translation>Апер</translation>
    </message>
    <message>
        <source>Aper Type</source>
        <translation>Тип апертуры</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Круг</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Квадрат</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Не задан</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>%1 rows read, %2 lines not understood</source>
        <translation>Прочитано строк таблицы: %1, непонятых строк: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... и ещё %1</translation>
    </message>
    <message>
        <source>Lines that describe no pin:</source>
        <translation>Строки, не описывающие ни одного вывода:</translation>
    </message>
    <message>
        <source>The hole is not smaller than the pad.</source>
        <translation>Отверстие не меньше площадки.</translation>
    </message>
    <message>
        <source>Every pin the plot uses is described.</source>
        <translation>Все выводы плот-файла описаны.</translation>
    </message>
    <message>
        <source>%1 pins the plot uses are not described (%2 flashes); the conversion will ask about them:</source>
        <translation>Не описано выводов плот-файла: %1 (засветок: %2); преобразование спросит о них:</translation>
    </message>
    <message>
        <source>Layer %1</source>
        <translation>Слой %1</translation>
    </message>
    <message>
        <source>Flash at X %1, Y %2 mm</source>
        <translation>Засветка в X %1, Y %2 мм</translation>
    </message>
    <message>
        <source>%1 flashes use this pin</source>
        <translation>Засветок этого вывода: %1</translation>
    </message>
    <message>
        <source>No file manager could open %1</source>
        <translation>Ни один файловый менеджер не смог открыть %1</translation>
    </message>
    <message>
        <source>Shows the description as DOS (code page 866) text converted.</source>
        <translation>Показывает описание, преобразованное из текста DOS (кодовая страница 866).</translation>
    </message>
    <message>
        <source>Shows the description as the file holds it (Windows-1251).</source>
        <translation>Показывает описание так, как оно записано в файле (Windows-1251).</translation>
    </message>
    <message>
        <source>The order of the sizes on a description line.</source>
        <translation>Порядок размеров в строке описания.</translation>
    </message>
    <message>
        <source>The unit of the hole sizes in the description.</source>
        <translation>Единица размеров отверстий в описании.</translation>
    </message>
    <message>
        <source>The unit of the pad (aperture) sizes in the description.</source>
        <translation>Единица размеров площадок (апертур) в описании.</translation>
    </message>
    <message>
        <source>Reads the pin table from the text (only the selected lines when some are selected).</source>
        <translation>Читает таблицу выводов из текста (только выделенные строки, если они выделены).</translation>
    </message>
    <message>
        <source>zip archive</source>
        <translation>zip-архив</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Проверить</translation>
    </message>
    <message>
        <source>Read the Gerber and drill files back and compare them with the plot, layer by layer</source>
        <translation>Прочитать файлы Gerber и сверловки обратно и сравнить их с плот-файлом, слой за слоем</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Результат</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a database unit: type a positive number with a point before the decimals, such as 0.0254; one database unit is at most %2 mm. The unit stays %3 mm.</source>
        <translation>«%1» — не единица базы данных: введите положительное число с точкой перед дробной частью, например 0.0254; единица базы данных — не больше %2 мм. Остаётся единица %3 мм.</translation>
    </message>
    <message>
        <source>&lt;b&gt;No plot is open.&lt;/b&gt;&lt;br&gt;Open a plot file (*.plt) to choose its layers and units, or drop it onto the window.</source>
        <translation>&lt;b&gt;Плот не открыт.&lt;/b&gt;&lt;br&gt;Откройте плот-файл (*.plt), чтобы выбрать его слои и единицы, или перетащите его в окно.</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Открыть...</translation>
    </message>
    <message>
        <source>The format Convert writes (Convert, Format); the Gerber profile is chosen in Tools, Options.</source>
        <translation>Формат, в который преобразует «Преобразовать» (Преобразовать, Формат); профиль Gerber выбирается в Сервис, Параметры.</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>CAM350 Script</source>
        <translation>Макрос CAM350</translation>
    </message>
    <message>
        <source>Gerber RS274X</source>
        <translation>Gerber RS274X</translation>
    </message>
    <message>
        <source>Gerber X2 fab package, Excellon drill</source>
        <translation>Пакет для производства Gerber X2, сверловка Excellon</translation>
    </message>
    <message>
        <source>Gerber X2 fab package</source>
        <translation>Пакет для производства Gerber X2</translation>
    </message>
    <message>
        <source>Any database unit: type it in the field, as the row reads (N DBU = value in mm or inch).</source>
        <translation>Любая единица базы данных: введите её в поле так, как читается строка (N DBU = значение в мм или дюймах).</translation>
    </message>
</context>
</TS>
