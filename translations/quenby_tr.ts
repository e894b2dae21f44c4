<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Telif hakkı © Quenby. Tüm hakları saklıdır.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Web sitesi:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Sürüm: %1.%2.%3 (Beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
        <translation>Windows %1 için</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Boş RAM kullanım grafiği</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>Boş RAM: %%1</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Boş RAM düşük</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>Birkaç dakikada bir</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Bildirim alanı menüsü</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Kısayol tuşu</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Başka bir programın isteği</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Çalıştı</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Çalışmadı: CPU meşguldü</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Çalışmadı: başka bir kullanıcının RAM boşaltması sürüyordu</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Çalışmadı: tam ekran bir program çalışıyordu</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Çalışmadı: belirtilen programlardan biri çalışıyordu</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Çalışmadı: yararı olmayan bir boşaltmanın ardından duraklatıldı</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Çalışmadı: RAM&apos;in dörtte üçünden fazlası boştu</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Henüz boşaltma yapılmadı.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Zaman</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Başlatan</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Önce (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Sonra (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Kullanılan (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Saniye</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>Boşaltmadan önceki boş RAM</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>Boşaltmadan sonraki boş RAM</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>Boşaltmanın kısa süreliğine kullanıp geri verdiği RAM</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>Toplam RAM: bilinmiyor</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>Kullanılabilir RAM: bilinmiyor</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>CPU kullanımı: bilinmiyor</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>RAM&apos;i boşalt</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Hedef boş RAM:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>En az boş RAM:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>RAM iyileştiriciyi etkinleştir</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Devre dışı bırak</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Dosya mevcut değil.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>Bu dosyayı çalıştırma izniniz yok.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>Dosya, çalıştırılabilir bir program değil.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Başlatmak için yeterli bellek yok.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>Sistem başlatmayı reddetti (hata %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>RAM iyileştirici %1 konumundan başlatılamadı.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>Toplam RAM: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>Kullanılabilir RAM: %1 MB (%%2)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>CPU kullanımı: %%1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Hedef boş RAM, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>En az boş RAM, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Hedef ve en az boş RAM değerlerini kaydet</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Seçenekleri aç</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>RAM iyileştiriciyi etkinleştir</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>RAM iyileştiriciyi devre dışı bırak</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>RAM iyileştiriciden çık</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>Quenby hakkında</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 kısayol tuşu olamaz: klavye düzeninizde “%1” için bir tuş yok.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>Ctrl+Alt+%1 kısayol tuşu olamaz: klavye düzeninizde “%2” yazar ve hiçbir program artık bu karakteri alamaz.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Windows başlangıcında Quenby&apos;yi otomatik başlat</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Başlangıçta RAM&apos;i boşalt, şu süre sonra:</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB RAM, başlangıçtan şu süre sonra:</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>saniye</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>RAM&apos;i boşalt: her</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB, her</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>dakikada bir, boş RAM şu değerin altındaysa:</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Yararı yokken otomatik boşaltmayı duraklat</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Tam ekran bir program çalışırken otomatik boşaltmayı duraklat</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>CPU kullanımı:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>CPU kullanım algılamasını devre dışı bırak</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>CPU meşgulken Quenby&apos;nin RAM boşaltmasını önlemek için CPU kullanım algılamasını etkinleştirin. CPU soğutma programları ve birkaç başka program, CPU kullanımının sürekli yüzde 100 düzeyinde kalmasına yol açan özel bir yöntem kullanır. Böyle bir durumda, Quenby&apos;nin her CPU kullanım düzeyinde RAM boşaltabilmesi için CPU kullanım algılamasını devre dışı bırakın.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Bildirim simgesi</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>Varsayılan:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>RAM boşaltılırken:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Simge metni rengi</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Göster:</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>(simgede)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Boşaltılan RAM miktarını göster</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Açılır menü</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Boşalt:</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>MB (menü)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Diğer</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>RAM boşaltılırken Windows panosunu da temizle</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>RAM boşaltılmadan önce uyarı sesi çal</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">RAM boşaltma kısayol tuşu: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Quenby&apos;yi devre dışı bırakma/etkinleştirme kısayol tuşu: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Siyah</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Beyaz</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>CPU kullanım yüzdesi</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Boş RAM yüzdesi</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>Başlangıçta boşaltılacak RAM (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Başlangıçta boşaltma gecikmesi (saniye)</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>Düzenli olarak boşaltılacak RAM (MB)</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>RAM boşaltma aralığı, dakika (0: hiçbir zaman)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Yalnızca boş RAM şunun altındaysa (yüzde)</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>CPU kullanımı</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Simgede gösterilen bilgi</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Bildirim alanı menüsündeki birinci boşaltma miktarı (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Bildirim alanı menüsündeki ikinci boşaltma miktarı (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Bildirim alanı menüsündeki üçüncü boşaltma miktarı (MB)</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Uyarı sesi dosyası</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Uyarı sesi dosyasını seçin</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>RAM boşaltma kısayol tuşu: Ctrl + Alt + bu tuş</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Devre dışı bırakma/etkinleştirme kısayol tuşu: Ctrl + Alt + bu tuş</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dosya ekle</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Wave dosyaları (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Şu programlardan biri çalışırken otomatik boşaltmayı duraklat:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geçmiş</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Görev Yöneticisi&apos;nde göründükleri şekliyle, noktalı virgülle ayrılmış program dosya adları.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Program dosya adı olmadıkları için yok sayıldı: %1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>RAM boşaltma kısayol tuşu: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Quenby&apos;yi devre dışı bırakma/etkinleştirme kısayol tuşu: Ctrl + Alt +</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Yöneticiniz tarafından ayarlandı</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>Yöneticiniz Quenby&apos;yi bu bilgisayarın tüm kullanıcıları için otomatik olarak başlayacak şekilde ayarladı.</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Windows&apos;u yeniden başlat</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Windows&apos;u uyku moduna al</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Windows&apos;u kapat</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Panoyu temizle</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>RAM&apos;i el ile boşalt
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>Seçenekler...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>RAM iyileştiriciyi devre dışı bırak</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>RAM iyileştiriciyi etkinleştir</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>RAM iyileştiriciden çık</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Bilgisayarınızı şimdi yeniden başlatmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Bilgisayarınızı şimdi uyku moduna almak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Bilgisayarınızı şimdi kapatmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Onay</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>RAM iyileştirici
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>Boş RAM: %1 MB (%%2)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>CPU kullanımı: %%1</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>CreateProcess başarısız oldu (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>Hata</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>RAM iyileştirici</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>%1 MB boşaltıldı, şu an %2 MB boş</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Hiç RAM boşaltılamadı</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows yeniden başlatılamadı (hata %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows uyku moduna alınamadı (hata %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows kapatılamadı (hata %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>Kısayol tuşu kullanılamıyor</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 kısayol tuşu kaydedilemedi: başka bir program tarafından kullanılıyor.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>Ctrl+Alt+%1 kısayol tuşu kaydedilmedi: klavye düzeninizde bu tuş “%2” yazar.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>Ctrl+Alt+%1 kısayol tuşu kaydedilmedi: klavye düzeninizde böyle bir tuş yok.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Bu bilgisayar, yalnızca Windows&apos;un kendisinin başlatabildiği Modern Standby özelliğini kullanıyor: Bilgisayarı uyku moduna almak için güç düğmesine basın veya Başlat menüsünde Güç &gt; Uyku&apos;yu seçin.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Bu bilgisayar uyku moduna geçemeyebilir ve Windows bunun yerine bilgisayarı hazırda bekletebilir. Devam etmek istiyor musunuz?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby hâlâ çalışıyor ve kapatılamadı.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby hâlâ çalışıyor ve kapatılamadı.

Quenby&apos;yi kapatın (bildirim alanı menüsü: “RAM iyileştiriciden çık”; ayrıca kontrol paneli penceresi), ardından Yeniden Dene&apos;yi seçin.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby hâlâ çalışıyor; hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Quenby kurulumu veya kaldırma programı zaten çalışıyor.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>Quenby çalışıyorsa kapatılıyor...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Quenby kontrol paneli: RAM ve CPU değerleri ile seçenekler</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Quenby bildirim alanı programı</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Quenby&apos;nin RAM&apos;i boşaltan bildirim alanı programını başlat</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (gerekli)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Windows ile başlat</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>Bildirim alanı programı yeniden başlatılıyor...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>Bildirim alanı programı, kontrol paneli, quenbyctl komut satırı istemcisi ve Başlat menüsü kısayolları.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Windows&apos;ta oturum açtığınızda bildirim alanı programını başlat.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Bilinmeyen değer /AUTOSTART=%1: /AUTOSTART=1 veya /AUTOSTART=0 kullanın.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Quenby kontrol panelini aç</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>Quenby&apos;yi bu bilgisayarın tüm kullanıcıları için yüklemek veya kaldırmak yönetici hakları gerektirir. Yönetici olarak yeniden çalıştırın.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>Quenby bu bilgisayarın tüm kullanıcıları için yüklendi.

Kurulum Quenby&apos;yi başlatmadı. Başlat menüsünden açın. “Windows ile başlat” seçildiyse, her kullanıcı oturum açtığında başlar.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>Önceki sürüm başka bir kullanıcının oturumunda hâlâ çalışıyor ve kapatılana kadar orada çalışmaya devam edecek. Dosyaları, bilgisayarı yeniden başlattığınızda kaldırılacak.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>%1 başka bir kullanıcının oturumunda kullanılıyor ve adı %2 olarak değiştirildi.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Quenby&apos;nin bazı dosyaları başka bir kullanıcının oturumunda kullanılıyor. Bilgisayarı yeniden başlattığınızda kaldırılacaklar.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Windows 10 ve Windows 11&apos;de Quenby %1</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>Hedef boş RAM (MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Quenby&apos;nin “%1” değerini belirler.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>MB cinsinden yüklü RAM&apos;in dörtte üçü</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>En az %1, en çok %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>MB cinsinden yüklü RAM bölü %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>İlke yoksa: kullanıcı başka bir seçim yapmadıkça %1.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>Bilgisayar ilkesi kullanıcı ilkesinden, ikisi de kullanıcının kendi seçiminden önce gelir; kontrol paneli bu durumda “Yöneticiniz tarafından ayarlandı” gösterir. İlke yapılandırılmadığında kullanıcının kendi seçimi geçerlidir.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>En az boş RAM (MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>Başlangıçta RAM&apos;i boşalt</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Etkin: açık (1). Devre Dışı: kapalı (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>Başlangıçta boşaltılacak RAM (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Başlangıçta boşaltma gecikmesi (saniye)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>Düzenli olarak boşaltılacak RAM (MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>RAM boşaltma aralığı (dakika, 0: hiçbir zaman)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Düzenli boşaltmanın boş RAM yüzdesi</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>CPU kullanım algılamasını devre dışı bırak</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Bildirim alanı simgesinin metin rengi</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Siyah</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Beyaz</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>Şunlardan biri: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>Bildirim alanı simgesinde gösterilen</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>CPU kullanım yüzdesi</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Boş RAM yüzdesi</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Bildirim alanı menüsündeki birinci boşaltma miktarı (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Bildirim alanı menüsündeki ikinci boşaltma miktarı (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Bildirim alanı menüsündeki üçüncü boşaltma miktarı (MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>RAM boşaltılırken panoyu da temizle</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>RAM boşaltılmadan önce uyarı sesi çal</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Uyarı sesi dosyası</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>Tam yol, en fazla %1 karakter.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>RAM boşaltma kısayol tuşu (Ctrl + Alt + bu koda sahip tuş)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Devre dışı bırakma/etkinleştirme kısayol tuşu (Ctrl + Alt + bu koda sahip tuş)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Boşaltılan RAM miktarını göster</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Yararı yokken otomatik boşaltmayı duraklat</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Tam ekran bir program çalışırken otomatik boşaltmayı duraklat</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Şu programlardan biri çalışırken otomatik boşaltmayı duraklat</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Noktalı virgülle ayrılmış program dosya adları (ör. game.exe;obs64.exe), en fazla %1 karakter.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Windows başlangıcında Quenby&apos;yi otomatik başlat</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Etkin: kullanıcı Windows&apos;ta oturum açtığında bildirim alanı programı başlar. Devre Dışı: başlamaz. Program, başladığında kullanıcının başlangıç girdisini ilkeye uygun hâle getirir.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Quenby RAM iyileştirici ayarları</translation>
    </message>
</context>
</TS>
