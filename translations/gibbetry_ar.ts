<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>AccessibleText</name>
    <message>
        <source>errors allowed</source>
        <translation>الأخطاء المسموح بها</translation>
    </message>
    <message>
        <source>errors made</source>
        <translation>الأخطاء المرتكبة</translation>
    </message>
    <message>
        <source>chances left</source>
        <translation>الفرص المتبقية</translation>
    </message>
    <message>
        <source>time of day</source>
        <translation>الوقت الحالي</translation>
    </message>
    <message>
        <source>word list</source>
        <translation>قائمة الكلمات</translation>
    </message>
    <message>
        <source>word length limit</source>
        <translation>حد طول الكلمات</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>تلميح</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>GAME OVER</source>
        <extracomment>Shown on the board, in capitals, when a game is lost.</extracomment>
        <translation>انتهت اللعبة</translation>
    </message>
    <message>
        <source>Allowed errors</source>
        <extracomment>A counter of manual mode, its number to the right.</extracomment>
        <translation>الأخطاء المسموح بها</translation>
    </message>
    <message>
        <source>Errors made</source>
        <translation>الأخطاء المرتكبة</translation>
    </message>
    <message>
        <source>Chances left</source>
        <translation>الفرص المتبقية</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>gibbetry: no graphical desktop found (neither DISPLAY nor WAYLAND_DISPLAY is set); Gibbetry needs one to run.</source>
        <translation>gibbetry: لم يُعثر على سطح مكتب رسومي (لم يُضبط DISPLAY ولا WAYLAND_DISPLAY)؛ يحتاج Gibbetry إلى سطح مكتب رسومي ليعمل.</translation>
    </message>
    <message>
        <source>gibbetry: this Wayland desktop has no X server and Qt&apos;s Wayland support is not installed; install the qt6-wayland package to run Gibbetry.</source>
        <translation>gibbetry: سطح مكتب Wayland هذا ليس فيه خادم X، ودعم Wayland في Qt غير مثبّت؛ ثبّت الحزمة qt6-wayland لتشغيل Gibbetry.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>عرض هذه المساعدة ثم الخروج.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>عرض الإصدار ثم الخروج.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <extracomment>%1 is the program&apos;s name, gibbetry.</extracomment>
        <translation>الاستخدام: %1 [خيارات]</translation>
    </message>
    <message>
        <source>A game of hangman. It also takes Qt&apos;s options, such as -platform and -style.</source>
        <translation>لعبة الرجل المشنوق. يقبل البرنامج أيضًا خيارات Qt، مثل ‎-platform و ‎-style.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>الخيارات:</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a folder</source>
        <extracomment>What a path turned out to be, a noun phrase with its article; it stands where a sentence names what was found (&quot;%1 is %2, not a settings file&quot;).</extracomment>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>جهاز محارف</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>جهاز كتل</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>أنبوب مسمّى (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>مقبس</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>no regular file</source>
        <translation>ملف غير عادي</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No word list is loaded, so no game can start. Choose a word list in Options.</source>
        <translation>لم تُحمَّل أي قائمة كلمات، لذا لا يمكن بدء لعبة. اختر قائمة كلمات من «خيارات».</translation>
    </message>
    <message numerus="yes">
        <source>No word of the list &quot;%1&quot; fits the length limit of %n characters. Choose a longer limit or another list in Options.</source>
        <translation>
            <numerusform>لا توجد في القائمة «%1» أي كلمة تناسب حد الطول البالغ %n حرف. اختر حدًا أطول أو قائمة أخرى من «خيارات».</numerusform>
            <numerusform>لا توجد في القائمة «%1» أي كلمة تناسب حد الطول البالغ %n حرف. اختر حدًا أطول أو قائمة أخرى من «خيارات».</numerusform>
            <numerusform>لا توجد في القائمة «%1» أي كلمة تناسب حد الطول البالغ %n حرفين. اختر حدًا أطول أو قائمة أخرى من «خيارات».</numerusform>
            <numerusform>لا توجد في القائمة «%1» أي كلمة تناسب حد الطول البالغ %n أحرف. اختر حدًا أطول أو قائمة أخرى من «خيارات».</numerusform>
            <numerusform>لا توجد في القائمة «%1» أي كلمة تناسب حد الطول البالغ %n حرفًا. اختر حدًا أطول أو قائمة أخرى من «خيارات».</numerusform>
            <numerusform>لا توجد في القائمة «%1» أي كلمة تناسب حد الطول البالغ %n حرف. اختر حدًا أطول أو قائمة أخرى من «خيارات».</numerusform>
        </translation>
    </message>
    <message>
        <source>You have completed the word.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Well done.</source>
        <extracomment>The win message: keep its line breaks.</extracomment>
        <translation>لقد أكملت الكلمة.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
أحسنت!</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>%1 %2</source>
        <comment>Two sentences of one message, the second after the first; a language that writes no space between sentences drops it</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read (%2), so it was left as it is.</source>
        <translation>تعذّرت قراءة ملف الإعدادات ‎%1‎ (%2)، لذا تُرك كما هو.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2. Gibbetry starts from the default options and will not save over that file.</source>
        <translation>تعذّرت قراءة ملف الإعدادات ‎%1‎: %2. سيبدأ Gibbetry بالخيارات الافتراضية ولن يحفظ شيئًا في ذلك الملف.</translation>
    </message>
    <message>
        <source>the settings file %1 kept changing while Gibbetry tried to move it aside, so it was left as it is.</source>
        <translation>ظلّ ملف الإعدادات ‎%1‎ يتغيّر بينما كان Gibbetry يحاول نقله جانبًا، لذا تُرك كما هو.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings, and it kept changing while Gibbetry tried to move it aside, so it is left as it is and options will not be saved over it.</source>
        <translation>تعذّرت قراءة ملف الإعدادات ‎%1‎ على أنه إعدادات Gibbetry، وظلّ يتغيّر بينما كان Gibbetry يحاول نقله جانبًا، لذا يُترك كما هو ولن تُحفظ الخيارات فيه.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 64 KiB, far more than Gibbetry&apos;s settings take.</source>
        <translation>حجم ملف الإعدادات ‎%1‎ أكبر من 64 KiB، وهذا أكثر بكثير مما تحتاجه إعدادات Gibbetry.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings.</source>
        <translation>تعذّرت قراءة ملف الإعدادات ‎%1‎ على أنه إعدادات Gibbetry.</translation>
    </message>
    <message>
        <source>The options it did not hold start from their defaults.</source>
        <translation>أما الخيارات التي لا يحتويها فتبدأ بقيمها الافتراضية.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be checked (%2), so it was left as it is.</source>
        <translation>تعذّرت قراءة ملف الإعدادات ‎%1‎ على أنه إعدادات Gibbetry وتعذّر فحصه (%2)، لذا تُرك كما هو.</translation>
    </message>
    <message>
        <source>Where it lies could not be checked (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>تعذّر التحقق من مكانه (%1)، لذا يُترك كما هو ولن تُحفظ الخيارات فيه.</translation>
    </message>
    <message>
        <source>it is reached through another user&apos;s symbolic link</source>
        <translation>الوصول إليه يمرّ عبر وصلة رمزية يملكها مستخدم آخر</translation>
    </message>
    <message>
        <source>its folder %1 does not belong to the owner of %2</source>
        <translation>مجلده ‎%1‎ لا يخص مالك ‎%2‎</translation>
    </message>
    <message>
        <source>the settings file %1 is left as it is, because %2 and Gibbetry run as root does not write there.</source>
        <translation>يُترك ملف الإعدادات ‎%1‎ كما هو، لأن %2، ولا يكتب Gibbetry هناك حين يعمل بصلاحيات الجذر (root).</translation>
    </message>
    <message>
        <source>It is left as it is, and options will not be saved over it, because %1 and Gibbetry run as root does not write there.</source>
        <translation>يُترك كما هو ولن تُحفظ الخيارات فيه، لأن %1، ولا يكتب Gibbetry هناك حين يعمل بصلاحيات الجذر (root).</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be moved aside, so it was left as it is.</source>
        <translation>تعذّرت قراءة ملف الإعدادات ‎%1‎ على أنه إعدادات Gibbetry وتعذّر نقله جانبًا، لذا تُرك كما هو.</translation>
    </message>
    <message>
        <source>It could not be moved aside (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>تعذّر نقله جانبًا (%1)، لذا يُترك كما هو ولن تُحفظ الخيارات فيه.</translation>
    </message>
    <message>
        <source>It was moved, unchanged, to %1.</source>
        <translation>نُقل دون تغيير إلى ‎%1‎.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and no copy of it could be kept, so it was left as it is.</source>
        <translation>تعذّرت قراءة ملف الإعدادات ‎%1‎ على أنه إعدادات Gibbetry وتعذّر الاحتفاظ بنسخة منه، لذا تُرك كما هو.</translation>
    </message>
    <message>
        <source>No copy of it could be kept (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>تعذّر الاحتفاظ بنسخة منه (%1)، لذا يُترك كما هو ولن تُحفظ الخيارات فيه.</translation>
    </message>
    <message>
        <source>It is reached through a symbolic link, which stays: a copy of it, unchanged, was kept as %1, and your next save writes over %2, where the link leads.</source>
        <translation>يُوصَل إليه عبر وصلة رمزية ستبقى كما هي: احتُفظ بنسخة منه دون تغيير باسم ‎%1‎، وعند الحفظ التالي ستُكتب الخيارات فوق ‎%2‎، وهو الملف الذي تشير إليه الوصلة.</translation>
    </message>
    <message>
        <source>It is no longer there: it was moved or deleted meanwhile.</source>
        <translation>لم يعد موجودًا: فقد نُقل أو حُذف في أثناء ذلك.</translation>
    </message>
    <message>
        <source>the folder %1 could not be reached: %2.</source>
        <translation>تعذّر الوصول إلى المجلد ‎%1‎: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3, not a folder, so nothing was written.</source>
        <translation>يشير ‎%1‎ إلى ‎%2‎، وهو %3 وليس مجلدًا، لذا لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>%1 is reached through another user&apos;s symbolic link, which Gibbetry run as root does not follow, so nothing was written.</source>
        <translation>يُوصَل إلى ‎%1‎ عبر وصلة رمزية يملكها مستخدم آخر، ولا يتبعها Gibbetry حين يعمل بصلاحيات الجذر (root)، لذا لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>%1 is %2, not a settings file, so nothing was written to it.</source>
        <translation>تبيّن أن ‎%1‎ هو %2 وليس ملف إعدادات، لذا لم يُكتب فيه شيء.</translation>
    </message>
    <message>
        <source>%1 (through its link, %2)</source>
        <translation>‎%1‎ (وصلة رمزية إلى ‎%2‎)</translation>
    </message>
    <message>
        <source>the settings file %1 could not be reached: %2.</source>
        <translation>تعذّر الوصول إلى ملف الإعدادات ‎%1‎: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, outside %3, and Gibbetry makes no file there.</source>
        <translation>يشير ‎%1‎ إلى ‎%2‎ الواقع خارج ‎%3‎، ولا يُنشئ Gibbetry أي ملف هناك.</translation>
    </message>
    <message>
        <source>the settings file %1 is read-only: its owner took away the permission to write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>ملف الإعدادات ‎%1‎ للقراءة فقط: سحب مالكه إذن الكتابة فيه، لذا يتركه Gibbetry كما هو ولا يحفظ فيه أي خيارات ما دام كذلك.</translation>
    </message>
    <message>
        <source>the settings file %1 belongs to another account, which does not let you write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>ملف الإعدادات ‎%1‎ يخص حسابًا آخر لا يسمح لك بالكتابة فيه، لذا يتركه Gibbetry كما هو ولا يحفظ فيه أي خيارات ما دام كذلك.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to: %2.</source>
        <translation>لا يمكن الكتابة في المجلد ‎%1‎: %2.</translation>
    </message>
    <message>
        <source>the folder %1 does not belong to the owner of %2, and Gibbetry run as root writes in no other user&apos;s folder, so nothing was written.</source>
        <translation>المجلد ‎%1‎ لا يخص مالك ‎%2‎، ولا يكتب Gibbetry في مجلد أي مستخدم آخر حين يعمل بصلاحيات الجذر (root)، لذا لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>another Gibbetry game was saving its options to %1 and did not finish in time, so this game wrote nothing.</source>
        <translation>كانت لعبة Gibbetry أخرى مفتوحة تحفظ خياراتها في ‎%1‎ ولم تنتهِ في الوقت المحدد، لذا لم تكتب هذه اللعبة شيئًا.</translation>
    </message>
    <message>
        <source>Gibbetry could not make its lock file in the folder %1, so nothing was written.</source>
        <translation>تعذّر على Gibbetry إنشاء ملف القفل الخاص به في المجلد ‎%1‎، لذا لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed by another program each time Gibbetry was about to save it, so it was left as it was.</source>
        <translation>غيّر برنامج آخر ملف الإعدادات ‎%1‎ في كل مرة كان Gibbetry على وشك حفظه فيها، لذا تُرك كما كان.</translation>
    </message>
    <message>
        <source>The settings file %1 kept changing while Gibbetry saved your options in it: they are in it, but what another program wrote to it at the same moment may not be.</source>
        <translation>ظلّ ملف الإعدادات ‎%1‎ يتغيّر بينما كان Gibbetry يحفظ خياراتك فيه: خياراتك محفوظة فيه، لكن ما كتبه برنامج آخر فيه في اللحظة نفسها قد لا يكون محفوظًا.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed since Gibbetry read it and no longer reads as its settings, so it was left as it is.</source>
        <translation>تغيّر ملف الإعدادات ‎%1‎ منذ أن قرأه Gibbetry ولم يعد يُقرأ على أنه إعداداته، لذا تُرك كما هو.</translation>
    </message>
    <message>
        <source>the settings file %1 would grow larger than 64 KiB, so it was left as it was.</source>
        <translation>كان حجم ملف الإعدادات ‎%1‎ سيتجاوز 64 KiB، لذا تُرك كما كان.</translation>
    </message>
    <message>
        <source>the folder %1 was moved or replaced while Gibbetry saved, so nothing was written.</source>
        <translation>نُقل المجلد ‎%1‎ أو استُبدل بينما كان Gibbetry يحفظ، لذا لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>the replaced file could not be read again</source>
        <translation>تعذّرت إعادة قراءة الملف المستبدَل</translation>
    </message>
    <message>
        <source>there is no room left on the disk that holds %1, so the file was left as it was.</source>
        <translation>لم تبقَ مساحة فارغة على القرص الذي يحوي ‎%1‎، لذا تُرك الملف كما كان.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written: %2. It was left as it was.</source>
        <translation>تعذّرت الكتابة في ملف الإعدادات ‎%1‎: %2. وقد تُرك كما كان.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created: %2.</source>
        <translation>تعذّر إنشاء المجلد ‎%1‎: %2.</translation>
    </message>
    <message>
        <source>the folder %1 could not be given to its owner: %2.</source>
        <translation>تعذّر نقل ملكية المجلد ‎%1‎ إلى مالكه: %2.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Your options could not be saved: %1

They stay in force until Gibbetry is closed.</source>
        <translation>تعذّر حفظ خياراتك: %1

ستبقى سارية حتى يُغلق Gibbetry.</translation>
    </message>
    <message numerus="yes">
        <source>Word length limited to %n characters</source>
        <extracomment>The status line; %n is the chosen length, 4 to 20.</extracomment>
        <translation>
            <numerusform>طول الكلمات حتى %n حرف</numerusform>
            <numerusform>طول الكلمات حتى %n حرف</numerusform>
            <numerusform>طول الكلمات حتى %n حرفين</numerusform>
            <numerusform>طول الكلمات حتى %n أحرف</numerusform>
            <numerusform>طول الكلمات حتى %n حرفًا</numerusform>
            <numerusform>طول الكلمات حتى %n حرف</numerusform>
        </translation>
    </message>
    <message>
        <source>No restriction on word length</source>
        <translation>لا حد لطول الكلمات</translation>
    </message>
    <message>
        <source>Hint is OFF</source>
        <translation>التلميح معطّل</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>إنه مجلد وليس ملفًا</translation>
    </message>
    <message>
        <source>it is a character device, not a file</source>
        <translation>إنه جهاز محارف وليس ملفًا</translation>
    </message>
    <message>
        <source>it is a block device, not a file</source>
        <translation>إنه جهاز كتل وليس ملفًا</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe), not a file</source>
        <translation>إنه أنبوب مسمّى (FIFO) وليس ملفًا</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>إنه مقبس وليس ملفًا</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>إنه ليس ملفًا عاديًا</translation>
    </message>
</context>
<context>
    <name>WordListLoader</name>
    <message>
        <source>The word list &quot;%1&quot; could not be read. It was looked for as:
%2

%3</source>
        <translation>تعذّرت قراءة قائمة الكلمات «%1». جرى البحث عنها في:
‎%2‎

%3</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.

%2</source>
        <translation>
            <numerusform>لم تستجب قائمة الكلمات ‎%1‎ خلال %n ثانية، لذا توقّف Gibbetry عن انتظارها.

%2</numerusform>
            <numerusform>لم تستجب قائمة الكلمات ‎%1‎ خلال %n ثانية، لذا توقّف Gibbetry عن انتظارها.

%2</numerusform>
            <numerusform>لم تستجب قائمة الكلمات ‎%1‎ خلال %n ثانيتين، لذا توقّف Gibbetry عن انتظارها.

%2</numerusform>
            <numerusform>لم تستجب قائمة الكلمات ‎%1‎ خلال %n ثوانٍ، لذا توقّف Gibbetry عن انتظارها.

%2</numerusform>
            <numerusform>لم تستجب قائمة الكلمات ‎%1‎ خلال %n ثانية، لذا توقّف Gibbetry عن انتظارها.

%2</numerusform>
            <numerusform>لم تستجب قائمة الكلمات ‎%1‎ خلال %n ثانية، لذا توقّف Gibbetry عن انتظارها.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it and reads its own list instead.</source>
        <translation>
            <numerusform>لم تستجب قائمة الكلمات ‎%1‎ خلال %n ثانية، لذا توقّف Gibbetry عن انتظارها وسيقرأ قائمته الخاصة بدلًا منها.</numerusform>
            <numerusform>لم تستجب قائمة الكلمات ‎%1‎ خلال %n ثانية، لذا توقّف Gibbetry عن انتظارها وسيقرأ قائمته الخاصة بدلًا منها.</numerusform>
            <numerusform>لم تستجب قائمة الكلمات ‎%1‎ خلال %n ثانيتين، لذا توقّف Gibbetry عن انتظارها وسيقرأ قائمته الخاصة بدلًا منها.</numerusform>
            <numerusform>لم تستجب قائمة الكلمات ‎%1‎ خلال %n ثوانٍ، لذا توقّف Gibbetry عن انتظارها وسيقرأ قائمته الخاصة بدلًا منها.</numerusform>
            <numerusform>لم تستجب قائمة الكلمات ‎%1‎ خلال %n ثانية، لذا توقّف Gibbetry عن انتظارها وسيقرأ قائمته الخاصة بدلًا منها.</numerusform>
            <numerusform>لم تستجب قائمة الكلمات ‎%1‎ خلال %n ثانية، لذا توقّف Gibbetry عن انتظارها وسيقرأ قائمته الخاصة بدلًا منها.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.</source>
        <translation>
            <numerusform>لم تستجب قائمة الكلمات ‎%1‎ خلال %n ثانية، لذا توقّف Gibbetry عن انتظارها.</numerusform>
            <numerusform>لم تستجب قائمة الكلمات ‎%1‎ خلال %n ثانية، لذا توقّف Gibbetry عن انتظارها.</numerusform>
            <numerusform>لم تستجب قائمة الكلمات ‎%1‎ خلال %n ثانيتين، لذا توقّف Gibbetry عن انتظارها.</numerusform>
            <numerusform>لم تستجب قائمة الكلمات ‎%1‎ خلال %n ثوانٍ، لذا توقّف Gibbetry عن انتظارها.</numerusform>
            <numerusform>لم تستجب قائمة الكلمات ‎%1‎ خلال %n ثانية، لذا توقّف Gibbetry عن انتظارها.</numerusform>
            <numerusform>لم تستجب قائمة الكلمات ‎%1‎ خلال %n ثانية، لذا توقّف Gibbetry عن انتظارها.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n lines, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>لا يقرأ Gibbetry من قائمة الكلمات إلا أول %n سطر، وهذه الأسطر من ‎%1‎ لا تحتوي أي كلمة صالحة للعب: يجب أن تتكوّن الكلمة من 1 إلى 23 حرفًا من A إلى Z.

%2</numerusform>
            <numerusform>لا يقرأ Gibbetry من قائمة الكلمات إلا أول %n سطر، وهذا السطر من ‎%1‎ لا يحتوي أي كلمة صالحة للعب: يجب أن تتكوّن الكلمة من 1 إلى 23 حرفًا من A إلى Z.

%2</numerusform>
            <numerusform>لا يقرأ Gibbetry من قائمة الكلمات إلا أول %n سطرين، وهذان السطران من ‎%1‎ لا يحتويان أي كلمة صالحة للعب: يجب أن تتكوّن الكلمة من 1 إلى 23 حرفًا من A إلى Z.

%2</numerusform>
            <numerusform>لا يقرأ Gibbetry من قائمة الكلمات إلا أول %n أسطر، وهذه الأسطر من ‎%1‎ لا تحتوي أي كلمة صالحة للعب: يجب أن تتكوّن الكلمة من 1 إلى 23 حرفًا من A إلى Z.

%2</numerusform>
            <numerusform>لا يقرأ Gibbetry من قائمة الكلمات إلا أول %n سطرًا، وهذه الأسطر من ‎%1‎ لا تحتوي أي كلمة صالحة للعب: يجب أن تتكوّن الكلمة من 1 إلى 23 حرفًا من A إلى Z.

%2</numerusform>
            <numerusform>لا يقرأ Gibbetry من قائمة الكلمات إلا أول %n سطر، وهذه الأسطر من ‎%1‎ لا تحتوي أي كلمة صالحة للعب: يجب أن تتكوّن الكلمة من 1 إلى 23 حرفًا من A إلى Z.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n MiB, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>لا يقرأ Gibbetry من قائمة الكلمات إلا أول %n MiB، وهذا الجزء من ‎%1‎ لا يحتوي أي كلمة صالحة للعب: يجب أن تتكوّن الكلمة من 1 إلى 23 حرفًا من A إلى Z.

%2</numerusform>
            <numerusform>لا يقرأ Gibbetry من قائمة الكلمات إلا أول %n MiB، وهذا الجزء من ‎%1‎ لا يحتوي أي كلمة صالحة للعب: يجب أن تتكوّن الكلمة من 1 إلى 23 حرفًا من A إلى Z.

%2</numerusform>
            <numerusform>لا يقرأ Gibbetry من قائمة الكلمات إلا أول %n MiB، وهذا الجزء من ‎%1‎ لا يحتوي أي كلمة صالحة للعب: يجب أن تتكوّن الكلمة من 1 إلى 23 حرفًا من A إلى Z.

%2</numerusform>
            <numerusform>لا يقرأ Gibbetry من قائمة الكلمات إلا أول %n MiB، وهذا الجزء من ‎%1‎ لا يحتوي أي كلمة صالحة للعب: يجب أن تتكوّن الكلمة من 1 إلى 23 حرفًا من A إلى Z.

%2</numerusform>
            <numerusform>لا يقرأ Gibbetry من قائمة الكلمات إلا أول %n MiB، وهذا الجزء من ‎%1‎ لا يحتوي أي كلمة صالحة للعب: يجب أن تتكوّن الكلمة من 1 إلى 23 حرفًا من A إلى Z.

%2</numerusform>
            <numerusform>لا يقرأ Gibbetry من قائمة الكلمات إلا أول %n MiB، وهذا الجزء من ‎%1‎ لا يحتوي أي كلمة صالحة للعب: يجب أن تتكوّن الكلمة من 1 إلى 23 حرفًا من A إلى Z.

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list %1 holds no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>لا تحتوي قائمة الكلمات ‎%1‎ أي كلمة صالحة للعب: يجب أن تتكوّن الكلمة من 1 إلى 23 حرفًا من A إلى Z.

%2</translation>
    </message>
    <message>
        <source>Your word list %1 could not be read: %2. Gibbetry&apos;s own list is used instead.</source>
        <translation>تعذّرت قراءة قائمة كلماتك ‎%1‎: %2. ستُستخدم قائمة Gibbetry الخاصة بدلًا منها.</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n lines were loaded.</source>
        <translation>
            <numerusform>قائمة الكلمات ‎%1‎ أطول مما يقرؤه Gibbetry: لم يُحمَّل منها إلا أول %n سطر.</numerusform>
            <numerusform>قائمة الكلمات ‎%1‎ أطول مما يقرؤه Gibbetry: لم يُحمَّل منها إلا أول %n سطر.</numerusform>
            <numerusform>قائمة الكلمات ‎%1‎ أطول مما يقرؤه Gibbetry: لم يُحمَّل منها إلا أول %n سطرين.</numerusform>
            <numerusform>قائمة الكلمات ‎%1‎ أطول مما يقرؤه Gibbetry: لم يُحمَّل منها إلا أول %n أسطر.</numerusform>
            <numerusform>قائمة الكلمات ‎%1‎ أطول مما يقرؤه Gibbetry: لم يُحمَّل منها إلا أول %n سطرًا.</numerusform>
            <numerusform>قائمة الكلمات ‎%1‎ أطول مما يقرؤه Gibbetry: لم يُحمَّل منها إلا أول %n سطر.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n MiB were loaded.</source>
        <translation>
            <numerusform>قائمة الكلمات ‎%1‎ أطول مما يقرؤه Gibbetry: لم يُحمَّل منها إلا أول %n MiB.</numerusform>
            <numerusform>قائمة الكلمات ‎%1‎ أطول مما يقرؤه Gibbetry: لم يُحمَّل منها إلا أول %n MiB.</numerusform>
            <numerusform>قائمة الكلمات ‎%1‎ أطول مما يقرؤه Gibbetry: لم يُحمَّل منها إلا أول %n MiB.</numerusform>
            <numerusform>قائمة الكلمات ‎%1‎ أطول مما يقرؤه Gibbetry: لم يُحمَّل منها إلا أول %n MiB.</numerusform>
            <numerusform>قائمة الكلمات ‎%1‎ أطول مما يقرؤه Gibbetry: لم يُحمَّل منها إلا أول %n MiB.</numerusform>
            <numerusform>قائمة الكلمات ‎%1‎ أطول مما يقرؤه Gibbetry: لم يُحمَّل منها إلا أول %n MiB.</numerusform>
        </translation>
    </message>
    <message>
        <source>No word list is loaded: choose another in Options.</source>
        <translation>لم تُحمَّل أي قائمة كلمات: اختر قائمة أخرى من «خيارات».</translation>
    </message>
    <message>
        <source>The word list &quot;%1&quot; stays in use.</source>
        <translation>ستبقى قائمة الكلمات «%1» مستخدمة.</translation>
    </message>
</context>
<context>
    <name>WordSource</name>
    <message>
        <source>Australian English Dictionary (Tolvarin) - 45,000 words</source>
        <translation>قاموس الإنجليزية الأسترالية (Tolvarin) - 45,000 كلمة</translation>
    </message>
    <message>
        <source>Ogden&apos;s Basic English Words - 850 words</source>
        <translation>كلمات Ogden&apos;s Basic English - 850 كلمة</translation>
    </message>
    <message>
        <source>SmarterKid 1 - 5,000 words</source>
        <translation>SmarterKid 1 - 5,000 كلمة</translation>
    </message>
    <message>
        <source>SmarterKid 2 - 3,000 words</source>
        <translation>SmarterKid 2 - 3,000 كلمة</translation>
    </message>
    <message>
        <source>SmarterKid 3 - 8,000 words</source>
        <translation>SmarterKid 3 - 8,000 كلمة</translation>
    </message>
    <message>
        <source>SmarterKid 4 - 4,000 words</source>
        <translation>SmarterKid 4 - 4,000 كلمة</translation>
    </message>
    <message>
        <source>SmarterKid 5 - 34,000 words</source>
        <translation>SmarterKid 5 - 34,000 كلمة</translation>
    </message>
</context>
<context>
    <name>gibbetry::AboutBox</name>
    <message>
        <source>Updates</source>
        <translation>التحديثات</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the game&apos;s name, Gibbetry.</extracomment>
        <translation>حول %1</translation>
    </message>
</context>
<context>
    <name>gibbetry::MainWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;خيارات</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>ابدأ لعبة جديدة</translation>
    </message>
    <message>
        <source>Click on the letter to select it.</source>
        <translation>انقر على الحرف لاختياره.</translation>
    </message>
</context>
<context>
    <name>gibbetry::OptionsDialog</name>
    <message>
        <source>Gibbetry - Options</source>
        <translation>خيارات Gibbetry</translation>
    </message>
    <message>
        <source>Select the number of wrong guesses allowed</source>
        <translation>اختر عدد التخمينات الخاطئة المسموح بها</translation>
    </message>
    <message>
        <source>Draw the hangman (allows 12 wrong guesses)</source>
        <translation>رسم الرجل المشنوق (يُسمح بـ12 تخمينًا خاطئًا)</translation>
    </message>
    <message>
        <source>Each wrong guess will result in part of the hangman being drawn</source>
        <translation>كل تخمين خاطئ يرسم جزءًا من الرجل المشنوق</translation>
    </message>
    <message>
        <source>Make a manual selection</source>
        <translation>تحديد العدد يدويًا</translation>
    </message>
    <message>
        <source>Select source for word list</source>
        <translation>اختر مصدر قائمة الكلمات</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>خيارات أخرى</translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation>عرض تلميح</translation>
    </message>
    <message>
        <source>Supplies you with a hint to help you to solve the word</source>
        <translation>يعطيك تلميحًا يساعدك على معرفة الكلمة</translation>
    </message>
    <message>
        <source>Limit the length of the words used to</source>
        <extracomment>Followed by a drop-down list of lengths, 4 to 20 letters.</extracomment>
        <translation>تحديد طول الكلمات بحد أقصى</translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>Closes the dialog and keeps its choices; capitals as on the rest of the button&apos;s kind.</extracomment>
        <translation>تم</translation>
    </message>
</context>
</TS>
