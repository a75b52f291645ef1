// The session's commands on the page, outside the program's window: save,
// copy or share a link, open a script (or drop one), make a GIF; and the
// line that says how it went.
import {MAX_SCRIPT_BYTES, decodeLink, encodeLink, isPlayLink} from './link.js';
import {ScriptError} from './session.js';

const MAX_FRAGMENT = 8000;  // characters; longer links are cut by some programs
const GIF_SCALE = 2;        // device pixels per pixel of the pond

export function createSessionBar(session) {
  const bar = document.getElementById('session');
  const message = document.getElementById('session-message');
  const picker = document.getElementById('script-file');
  const button = (command) => bar.querySelector(`[data-command=${command}]`);

  const say = (text) => { message.textContent = text; };

  function download(blob, name) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }

  const save = () => download(new Blob([session.text()], {type: 'text/plain'}), 'movra-session.txt');

  // The link to this page that plays the session so far, or null (and the
  // file offered) where it would be too long.
  async function link() {
    const fragment = await encodeLink(session.text());
    if (fragment.length > MAX_FRAGMENT) {
      say(`記録が長すぎてﾘﾝｸにできません（${fragment.length}文字）。ﾌｧｲﾙに保存してください。`);
      button('save').focus();
      return null;
    }
    return new URL(fragment, location.href).href;
  }

  async function copyLink() {
    const url = await link();
    if (!url) return;
    try {
      await navigator.clipboard.writeText(url);
      say(`ﾘﾝｸをｺﾋﾟｰしました（${url.length}文字）。`);
    } catch {
      say(`ﾘﾝｸをｺﾋﾟｰできません。このﾘﾝｸをｺﾋﾟｰしてください：\n${url}`);
    }
  }

  async function share() {
    const url = await link();
    if (!url) return;
    try {
      await navigator.share({title: document.title, url});
    } catch (error) {
      if (error.name !== 'AbortError') say(`共有できません：${error.message}`);
    }
  }

  // Plays a script; a bad one is said, in the reader's words, and changes nothing.
  function play(script, source) {
    try {
      session.play(script);
      say(`${source}を再生しています。`);
    } catch (error) {
      say(`${source}を再生できません。\n${error.message}`);
      if (!(error instanceof ScriptError)) console.warn(error);
    }
  }

  async function playFile(file) {
    if (file.size > MAX_SCRIPT_BYTES) {
      say(`${file.name}を再生できません。\nlonger than ${MAX_SCRIPT_BYTES} bytes`);
      return;
    }
    play(await file.text(), file.name);
  }

  async function playLink(hash) {
    let script;
    try {
      script = await decodeLink(hash);
    } catch (error) {
      say(`ﾘﾝｸを再生できません。\n${error.message}`);
      return;
    }
    play(script, 'ﾘﾝｸ');
  }

  async function gif() {
    say('GIFを作っています…');
    try {
      download(await session.gif(GIF_SCALE), 'movra-session.gif');
      say('GIFを保存しました。');
    } catch (error) {
      say(`GIFを作れません：${error.message}`);
    }
  }

  // Whatever fails is said on the page, not thrown to the console. The
  // action starts at once, within the press that a file picker, the
  // clipboard and the share sheet ask for.
  function attempt(action) {
    const fail = (error) => say(error.message);
    try {
      Promise.resolve(action()).catch(fail);
    } catch (error) {
      fail(error);
    }
  }
  const commands = {save, link: copyLink, share, open: () => picker.click(), gif};
  bar.addEventListener('click', (event) => {
    const command = event.target.closest('[data-command]')?.dataset.command;
    if (command) attempt(commands[command]);
  });
  button('share').hidden = !navigator.share;
  picker.addEventListener('change', () => {
    if (picker.files.length) attempt(() => playFile(picker.files[0]));
    picker.value = '';
  });
  document.addEventListener('dragover', (event) => {
    if (event.dataTransfer.types.includes('Files')) event.preventDefault();
  });
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    if (event.dataTransfer.files.length) attempt(() => playFile(event.dataTransfer.files[0]));
  });
  const followLink = () => { if (isPlayLink(location.hash)) attempt(() => playLink(location.hash)); };
  window.addEventListener('hashchange', followLink);
  followLink();

  return {element: bar};
}
