function cm_hold(reason,on){
	var was=lm_held();
	if(on){
		lm_holds[reason]=true;
	}else{
		delete lm_holds[reason];
	}
	if(!cm_plan){
		if(cm_waiting&&!lm_held()){
			cm_waiting=false;
			dotrans();
		}
		return;
	}
	if(was!==lm_held()){
		if(was){
			cm_chainFrom=cm_timeline()-cm_chainAt;
		}else{
			cm_chainAt=cm_chain();
		}
		cm_chainRuns=was;
	}else if(cm_wasStill===cm_still()){
		return;
	}
	cm_show();
}
function cm_point(over){
	var chain,first,next;
	if(!cm_plan||over===(cm_halt!==null)){
		return;
	}
	chain=cm_chain();
	if(over){
		first=cm_step(cm_motion());
		cm_halt={motion:cm_motion(),chain:chain,time:first.time,wait:first.wait};
	}else{
		first=cm_halt.chain+cm_halt.time+cm_halt.wait-cm_halt.motion;
		next=chain<first?first:first+(Math.floor((chain-first)/cm_halt.wait)+1)*cm_halt.wait;
		cm_offset=chain-(cm_halt.time+cm_halt.wait-(next-chain));
		cm_halt=null;
	}
	cm_show();
}
function lm_unplace(column){
	if(column){
		lm_top(column).top=column.style.top;
		column.style.top="0px";
	}
}
function lm_remeasure(){
	var step=null;
	if(cm_plan){
		step=cm_step(cm_motion());
		uzuntop=step.w;
	}
	lm_measure();
	lm_unplace(uzunobj);
	if(cm_kind==2){
		lm_unplace(uzunobj2);
	}
	if(step){
		cm_base=step.time;
		if(cm_build(step.wait)){
			cm_show();
		}else{
			cm_fallFrom(Math.max(0,step.time+step.wait-cm_motion()));
		}
	}
}
function cm_remeasurePages(){
	var at=null,i;
	if(cm_plan){
		at=cm_pageAt(cm_motion());
		hidson=at.page.from;
		hidsay=at.page.to;
		for(i=hidson;i<=hidsay;i++){
			cyposarr[i]=at.page.tops[i-hidson];
		}
		enson=say=hidsay+1<mc?hidsay+1:0;
	}
	lm_measure();
	if(at){
		cm_base=at.time;
		cm_buildPages(cm_plan.wait);
		cm_show();
	}
}
function cm_hovered(){
	return cm_message(cm_pointer?document.elementFromPoint(cm_pointer[0],cm_pointer[1]):null);
}
function cm_turned(){
	cm_turn=null;
	cm_turnFrame=requestAnimationFrame(cm_hitTurn);
}
function cm_hitTurn(){
	var under;
	cm_turnFrame=null;
	if(cm_animations.length>0&&cm_animations[0].currentTime!==null&&cm_animations[0].currentTime+cm_early<cm_turnAt){
		cm_turnFrame=requestAnimationFrame(cm_hitTurn);
		return;
	}
	under=cm_hovered();
	if(under!==cm_over){
		if(cm_over!==null){
			restime(cm_over);
		}
		if(under!==null){
			mdivmo(under);
		}
	}
	cm_watchTurns();
}
function cm_watchTurns(){
	var motion,at;
	if(cm_turn!==null){
		clearTimeout(cm_turn);
		cm_turn=null;
	}
	if(cm_turnFrame!==null){
		cancelAnimationFrame(cm_turnFrame);
		cm_turnFrame=null;
	}
	if(!cm_plan||cm_pointer===null||lm_held()||cm_still()){
		return;
	}
	motion=cm_motion();
	at=cm_pageAt(motion);
	cm_turnAt=at.time+cm_plan.wait;
	cm_turn=setTimeout(cm_turned,Math.max(0,Math.ceil(cm_turnAt-motion)));
}
function cm_pointAt(event){
	cm_pointer=[event.clientX,event.clientY];
	if(cm_turn===null&&cm_turnFrame===null){
		cm_watchTurns();
	}
}
function cm_pointGone(){
	cm_pointer=null;
	cm_watchTurns();
}
function cm_followPointer(){
	mdivmo=function(gnum){
		cm_over=gnum;
		lm_halt(gnum);
	};
	restime=function(gnum2){
		cm_over=null;
		lm_go(gnum2);
	};
	document.addEventListener("mousemove",cm_pointAt,true);
	document.addEventListener("mouseover",cm_pointAt,true);
	document.documentElement.addEventListener("mouseleave",cm_pointGone,false);
}
