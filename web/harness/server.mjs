// A static web server on 127.0.0.1 for the page's tests and benchmark: serves
// a folder as a school's web server would. It can slip scripts into the head
// of every page it serves, for drivers that cannot run a script before the
// page's own, and it can be stopped and started again on the same port, to
// take the network away and give it back.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize, resolve } from "node:path";

const Types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".webmanifest": "application/manifest+json",
  ".json": "application/json",
  ".png": "image/png",
};

export class StaticServer {
  // `root`: the folder served; `file`: what "/" serves, index.html by default.
  constructor(root, { file = "index.html", inject = "" } = {}) {
    this.root = resolve(root);
    this.file = file;
    this.inject = inject;
    this.port = 0;
    this.server = null;
    this.served = [];
    // The bytes of every body served, and a status the server answers every
    // page with instead of the page (a server in trouble), while set.
    this.bytesSent = 0;
    this.pageStatus = null;
  }

  get origin() {
    return `http://127.0.0.1:${this.port}`;
  }

  async start() {
    this.server = createServer((request, response) => this.serve(request, response));
    await new Promise((done) => this.server.listen(this.port, "127.0.0.1", done));
    this.port = this.server.address().port;
    return this;
  }

  // Takes the network away: every open connection is cut and no new one is taken.
  async stop() {
    if (!this.server) {
      return;
    }
    const server = this.server;
    this.server = null;
    server.closeAllConnections();
    await new Promise((done) => server.close(done));
  }

  async serve(request, response) {
    const path = new URL(request.url, this.origin).pathname;
    const name = path.endsWith("/") ? this.file : decodeURIComponent(path.slice(1));
    const file = normalize(join(this.root, name));
    this.served.push(path);
    if (!file.startsWith(this.root)) {
      response.writeHead(403).end();
      return;
    }
    try {
      let body = await readFile(file);
      const type = Types[extname(file)] ?? "application/octet-stream";
      if (this.pageStatus && type.startsWith("text/html")) {
        response.writeHead(this.pageStatus).end();
        return;
      }
      if (this.inject && type.startsWith("text/html")) {
        body = body.toString("utf8").replace("<head>", () => `<head>\n<script>${this.inject}</script>`);
      }
      // Always asked for again, as a school's server would answer by default.
      response.writeHead(200, { "Content-Type": type, "Cache-Control": "no-cache" });
      this.bytesSent += body.length;
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  }
}
