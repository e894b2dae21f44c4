; The installer's and uninstaller's own texts in Indonesian (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_INDONESIAN} "Quenby masih berjalan dan tidak dapat ditutup."
LangString STILL_RUNNING_BOX ${LANG_INDONESIAN} "Quenby masih berjalan dan tidak dapat ditutup.$\r$\n$\r$\nTutup Quenby (menu area pemberitahuan: Keluar dari Pengoptimal RAM; serta jendela panel kendali), lalu pilih Coba Lagi."
LangString STILL_RUNNING_ABORT ${LANG_INDONESIAN} "Quenby masih berjalan; tidak ada yang diubah."
LangString ALREADY_RUNNING ${LANG_INDONESIAN} "Penyiapan atau pencopot instalasi Quenby sudah berjalan."
LangString CLOSING ${LANG_INDONESIAN} "Menutup Quenby jika sedang berjalan..."
LangString PANEL_LINK_DESCRIPTION ${LANG_INDONESIAN} "Panel kendali Quenby: angka RAM dan CPU serta opsi"
LangString ENGINE_LINK_NAME ${LANG_INDONESIAN} "Mesin area pemberitahuan Quenby"
LangString ENGINE_LINK_DESCRIPTION ${LANG_INDONESIAN} "Mulai mesin area pemberitahuan Quenby, yang mengosongkan RAM"
LangString SECTION_PROGRAM ${LANG_INDONESIAN} "Quenby (wajib)"
LangString SECTION_AUTOSTART ${LANG_INDONESIAN} "Mulai dengan Windows"
LangString RESTARTING_ENGINE ${LANG_INDONESIAN} "Memulai mesin area pemberitahuan lagi..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_INDONESIAN} "Mesin area pemberitahuan, panel kendali, klien baris perintah quenbyctl, dan pintasan menu Mulai."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_INDONESIAN} "Mulai mesin area pemberitahuan saat Anda masuk ke Windows."
LangString BAD_AUTOSTART ${LANG_INDONESIAN} "Nilai tidak dikenal /AUTOSTART=$1: gunakan /AUTOSTART=1 atau /AUTOSTART=0."
LangString FINISH_RUN ${LANG_INDONESIAN} "Buka panel kendali Quenby"
LangString NEEDS_ADMINISTRATOR ${LANG_INDONESIAN} "Menginstal atau menghapus Quenby untuk semua pengguna komputer ini memerlukan hak administrator. Jalankan lagi sebagai administrator."
LangString FINISH_MACHINE_TEXT ${LANG_INDONESIAN} "Quenby telah diinstal untuk semua pengguna komputer ini.$\r$\n$\r$\nPenyiapan tidak memulainya. Buka Quenby dari menu Mulai. Jika “Mulai dengan Windows” dipilih, Quenby dimulai untuk setiap pengguna saat mereka masuk."
LangString FINISH_SET_ASIDE ${LANG_INDONESIAN} "Versi sebelumnya masih berjalan di sesi pengguna lain dan tetap berjalan di sana sampai ditutup. File-filenya akan dihapus saat Anda memulai ulang komputer."
LangString SET_ASIDE_DETAIL ${LANG_INDONESIAN} "$R0 sedang digunakan di sesi pengguna lain dan telah diganti namanya menjadi $R1."
LangString UNINSTALL_IN_USE ${LANG_INDONESIAN} "Beberapa file Quenby sedang digunakan di sesi pengguna lain. File tersebut akan dihapus saat Anda memulai ulang komputer."
