// The main window: the card on show, the counters and the eight buttons. It
// forwards every click to the rules and shows what the rules report.
import { Border, MainLayout, SuitNames, pixelRect } from "./layout.js";
import { applyFont, element, placeRect, spoken } from "./dom.js";
import { PageWindow, rule } from "./frame.js";

const RanksPerSuit = 13;

export class MainWindow extends PageWindow {
  // `actions` holds one handler per button, in tab order; `rankOf` is the
  // rules' own rank of a card index.
  constructor({ icon, cards, actions, rankOf }) {
    super({ id: "main-window", layout: MainLayout, icon });
    this.client.append(rule(0, MainLayout.clientWidth, MainLayout.line1Y));
    this.labels = MainLayout.labels.map((designed, i) => makeLabel(designed, i + 1));
    for (const number of MainLayout.readingOrder) {
      this.client.append(this.labels[number - 1]);
    }
    this.values = this.labels.map((label) => label.querySelector(".value"));

    // One picture per card, as on the desktop: showing a card only unhides
    // its picture, so the change is on view at the very next paint.
    const rect = pixelRect(MainLayout.card);
    this.pictures = cards.map((src, i) => {
      const picture = element("img", { className: "card", src, alt: cardName(i + 1, rankOf(i + 1)), hidden: true });
      picture.dataset.card = String(i + 1);
      placeRect(picture, rect);
      return picture;
    });
    this.client.append(...this.pictures);
    this.shown = null;

    this.buttons = MainLayout.buttons.map((designed, i) => {
      const button = element("button", {
        type: "button",
        className: "command",
        textContent: designed.caption,
        disabled: true,
      });
      placeRect(button, pixelRect(designed.rect));
      applyFont(button, designed.font);
      button.addEventListener("click", actions[i]);
      return button;
    });
    this.client.append(...this.buttons);
  }

  showCard(card) {
    const picture = this.pictures[card - 1];
    if (picture !== this.shown) {
      picture.hidden = false;
      if (this.shown) {
        this.shown.hidden = true;
      }
      this.shown = picture;
    }
  }

  // `box` in the rules' NumberBox order.
  showNumber(box, text) {
    this.values[MainLayout.numberLabels[box] - 1].textContent = text;
  }

  enableButtons(enabled) {
    this.buttons.forEach((button, i) => {
      button.disabled = !enabled[i];
    });
  }

  focusButton(index) {
    this.buttons[index].focus();
  }
}

// A card's name as read out: its suit and its rank, e.g. "スペードの1".
export function cardName(card, rank) {
  return `${SuitNames[Math.floor((card - 1) / RanksPerSuit)]}の${rank}`;
}

function makeLabel(designed, number) {
  const rowName = MainLayout.rowNames[number];
  const live = MainLayout.numberLabels.slice(0, MainLayout.liveNumbers).includes(number);
  const tag = number === MainLayout.headingLabel ? "h1" : live ? "output" : "div";
  const label = element(tag, {
    className: `label ${designed.border === Border.sunken ? "sunken" : "flat"}`,
    "data-label": String(number),
  });
  placeRect(label, pixelRect(designed.rect));
  applyFont(label, designed.font);
  label.style.background = designed.back;
  label.style.color = designed.text;
  if (live) {
    // Announced whole, with the row's name, whenever the number changes.
    label.setAttribute("aria-live", "polite");
    label.setAttribute("aria-atomic", "true");
  }
  if (rowName) {
    label.append(spoken(`${rowName} `));
  }
  label.append(element("span", { className: "value", textContent: designed.caption }));
  return label;
}
