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
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Web sitesi:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Sürüm: %1.%2.%3 (Beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
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
        <translation>Boş RAM: %1%</translation>
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
        <translation>Toplam RAM: yok</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>Kullanılabilir RAM: yok</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>CPU Kullanımı: yok</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <translation>RAM&apos;i Boşalt</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Hedef Boş RAM:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>En Az Boş RAM:</translation>
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
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>RAM İyileştiriciyi Etkinleştir</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Devre Dışı Bırak</translation>
    </message>
    <message>
        <source>Close</source>
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
        <translation>Sistem başlatmayı reddetti (hata %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>RAM iyileştirici %1 konumundan başlatılamadı.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>Toplam RAM: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>Kullanılabilir RAM: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>CPU Kullanımı: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>Hedef boş RAM, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
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
        <translation>Ctrl+Alt+%1 kısayol tuşu olamaz: klavye düzeninizde “%1” için bir tuş yok.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
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
        <translation>Başlangıçta RAM&apos;i boşalt, şu süre sonra:</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB RAM, başlangıçtan şu süre sonra:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>saniye</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>RAM&apos;i boşalt: her</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB, her</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
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
        <translation>Bildirim Simgesi</translation>
    </message>
    <message>
        <source>Default:</source>
        <translation>Varsayılan:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>RAM boşaltılırken:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Simge metni rengi</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Göster:</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <translation>(simgede)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Boşaltılan RAM miktarını göster</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Açılır Menü</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Boşalt:</translation>
    </message>
    <message>
        <source>MB menu</source>
        <translation>MB (menü)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Diğer</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>RAM boşaltılırken Windows Panosunu da temizle</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>RAM boşaltılmadan önce uyarı sesi çal</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation>RAM boşaltma kısayol tuşu: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Quenby&apos;yi devre dışı bırakma/etkinleştirme kısayol tuşu: Ctrl + Alt +</translation>
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
        <translation>Dosya Ekle</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Wave Dosyaları (*.wav)</translation>
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
</TS>
