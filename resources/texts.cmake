# Every text of the program, in one table: the C++ header resources/texts.h,
# the Windows resources and the web page are all made from it. UTF-8; "&"
# marks a menu item's access key.

set(MOVRA_VERSION_NAME "Ver0.61")
set(MOVRA_CAPTION "Movra ${MOVRA_VERSION_NAME}")           # the main window's; also the recordings'
set(MOVRA_PRODUCT_NAME "Movra${MOVRA_VERSION_NAME}")       # the about box's title line
set(MOVRA_ABOUT_CAPTION "${MOVRA_PRODUCT_NAME}のﾊﾞｰｼﾞｮﾝ情報")
set(MOVRA_FILE_DESCRIPTION "Movraシミュレーションプログラム")

set(MOVRA_MNU_FILE "ﾌｧｲﾙ(&F)")
set(MOVRA_MNU_HELP "Movraﾍﾙﾌﾟ(&H)")
set(MOVRA_MNU_VERSION "ﾊﾞｰｼﾞｮﾝ情報(&A)")
set(MOVRA_MNU_END "終了(&X)")

# The screen saver's answer to its settings button.
set(MOVRA_SAVER_NO_SETTINGS "このスクリーンセーバーには設定がありません。")

set(MOVRA_FONT_MINCHO "ＭＳ Ｐ明朝")
set(MOVRA_FONT_GOTHIC "ＭＳ Ｐゴシック")

# The maker and where to reach them; -D on the command line overrides them.
# Short names: the credits line has room for about six letters each.
set(MOVRA_MAKER "Movra" CACHE STRING "Maker named in the about box")
set(MOVRA_DESIGNER "Movra" CACHE STRING "Designer named in the about box")
set(MOVRA_EMAIL "movra@example.invalid" CACHE STRING "Contact e-mail address shown in the about box")
set(MOVRA_BOARD "https://example.invalid/movra/" CACHE STRING "Bulletin-board address shown in the about box")

set(MOVRA_LABEL2 "企画・製造：${MOVRA_MAKER}　　設計：${MOVRA_DESIGNER}")
set(MOVRA_LABEL3 "質問等は以下のメールアドレスまたは掲示板まで。")
set(MOVRA_LABEL4 "[メール]　 ${MOVRA_EMAIL}")
set(MOVRA_LABEL5 "[掲示板]　${MOVRA_BOARD}")
set(MOVRA_COMMAND1 "ＯＫ")

set(MOVRA_POND_NAME "Movra pond")
set(MOVRA_POND_DESCRIPTION "Arrow keys move the cursor; Space or Enter drops a ripple; Shift+F10 opens the menu; Ctrl+plus and Ctrl+minus zoom; F11 full screen.")
