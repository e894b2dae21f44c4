; The installer's and uninstaller's own texts in Turkish (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_TURKISH} "Quenby hâlâ çalışıyor ve kapatılamadı."
LangString STILL_RUNNING_BOX ${LANG_TURKISH} "Quenby hâlâ çalışıyor ve kapatılamadı.$\r$\n$\r$\nQuenby'yi kapatın (bildirim alanı menüsü: RAM İyileştiriciden Çık; ayrıca kontrol paneli penceresi), ardından Yeniden Dene'yi seçin."
LangString STILL_RUNNING_ABORT ${LANG_TURKISH} "Quenby hâlâ çalışıyor; hiçbir şey değiştirilmedi."
LangString ALREADY_RUNNING ${LANG_TURKISH} "Quenby kurulumu veya kaldırma programı zaten çalışıyor."
LangString CLOSING ${LANG_TURKISH} "Quenby çalışıyorsa kapatılıyor..."
LangString PANEL_LINK_DESCRIPTION ${LANG_TURKISH} "Quenby kontrol paneli: RAM ve CPU değerleri ile seçenekler"
LangString ENGINE_LINK_NAME ${LANG_TURKISH} "Quenby bildirim alanı motoru"
LangString ENGINE_LINK_DESCRIPTION ${LANG_TURKISH} "Quenby'nin RAM'i boşaltan bildirim alanı motorunu başlat"
LangString SECTION_PROGRAM ${LANG_TURKISH} "Quenby (gerekli)"
LangString SECTION_AUTOSTART ${LANG_TURKISH} "Windows ile başlat"
LangString RESTARTING_ENGINE ${LANG_TURKISH} "Bildirim alanı motoru yeniden başlatılıyor..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_TURKISH} "Bildirim alanı motoru, kontrol paneli, quenbyctl komut satırı istemcisi ve Başlat menüsü kısayolları."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_TURKISH} "Windows'ta oturum açtığınızda bildirim alanı motorunu başlat."
LangString BAD_AUTOSTART ${LANG_TURKISH} "Bilinmeyen değer /AUTOSTART=$1: /AUTOSTART=1 veya /AUTOSTART=0 kullanın."
LangString FINISH_RUN ${LANG_TURKISH} "Quenby kontrol panelini aç"
LangString NEEDS_ADMINISTRATOR ${LANG_TURKISH} "Quenby'yi bu bilgisayarın tüm kullanıcıları için yüklemek veya kaldırmak yönetici hakları gerektirir. Yönetici olarak yeniden çalıştırın."
LangString FINISH_MACHINE_TEXT ${LANG_TURKISH} "Quenby bu bilgisayarın tüm kullanıcıları için yüklendi.$\r$\n$\r$\nKurulum Quenby'yi başlatmadı. Başlat menüsünden açın. “Windows ile başlat” seçildiyse, her kullanıcı oturum açtığında başlar."
LangString FINISH_SET_ASIDE ${LANG_TURKISH} "Önceki sürüm başka bir kullanıcının oturumunda hâlâ çalışıyor ve kapatılana kadar orada çalışmaya devam edecek. Dosyaları, bilgisayarı yeniden başlattığınızda kaldırılacak."
LangString SET_ASIDE_DETAIL ${LANG_TURKISH} "$R0 başka bir kullanıcının oturumunda kullanılıyor ve adı $R1 olarak değiştirildi."
LangString UNINSTALL_IN_USE ${LANG_TURKISH} "Quenby'nin bazı dosyaları başka bir kullanıcının oturumunda kullanılıyor. Bilgisayarı yeniden başlattığınızda kaldırılacaklar."
